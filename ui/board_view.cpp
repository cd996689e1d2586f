#include "ui/board_view.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>

#include "position/game_state.h"
#include "position/history.h"
#include "ui/main_window.h"
#include "ui/square_images.h"

Square_Button::Square_Button(int x, int y, int w, int h, int row, int col)
    : Fl_Button(x, y, w, h), boardRow(row), boardCol(col) {
    // A focus frame would be drawn over the square's image; the board has no keyboard operation anyway.
    clear_visible_focus();
}

void Square_Button::showImage() {
    Fl_RGB_Image* wanted = squareImages[content][raised][highlighted][lit];
    if (image() == wanted) return;
    image(wanted);
    redraw();
}

void Square_Button::showAs(int newContent, int newHighlighted) {
    content = newContent;
    raised = 1;
    highlighted = newHighlighted;
    lit = 0;
    showImage();
    show();
}

// Square_Button::handle() gives the square its look for pressing, entering and leaving, and acts on a
// release that comes while the pointer is still over the button. The plain push handling is never run
// for a game square, so its value and callback stay untouched.
int Square_Button::handle(int event) {
    if (thinking) return Fl_Button::handle(event);
    switch (event) {
        case FL_PUSH:
            lit = 1;
            raised = 0;
            break;
        case FL_ENTER:
            lit = 1;
            break;
        case FL_LEAVE:
            lit = 0;
            break;
        case FL_RELEASE:
            if (lit) actOnClick();
            raised = 1;
            break;
        default:
            return Fl_Button::handle(event);
    }
    showImage();
    redraw();
    return 1;
}

// actOnClick(): the first click selects a piece of the side to move, a click on the selected square
// cancels, and a click on any other shown square (a target) completes the move and plays it.
void Square_Button::actOnClick() {
    const int code = game.board[boardRow][boardCol];
    if (pendingMove.fromRow == 0) {
        pendingMove.fromRow = boardRow;
        pendingMove.fromCol = boardCol;
        pendingMove.piece = code - PIECE_CODE_BASE;
        highlighted = 1;
        showTargets();
    } else if (pendingMove.fromRow == boardRow && pendingMove.fromCol == boardCol) {
        pendingMove.fromRow = pendingMove.fromCol = 0;
        highlighted = 0;
        refreshBoard();
    } else {
        pendingMove.toRow = boardRow;
        pendingMove.toCol = boardCol;
        pendingMove.captured = code - PIECE_CODE_BASE;
        commitMove(pendingMove);
        highlighted = 1;
        refreshBoard();
    }
}

void showPassiveSquare(int r, int c, int content, int highlighted) {
    Fl_Box* box = squareBox[r][c];
    Fl_RGB_Image* wanted = squareImages[content][0][highlighted][0];
    if (box->image() != wanted) {
        box->image(wanted);
        box->redraw();
    }
    squareButton[r][c]->hide();
}

namespace {

// isTarget() tells whether (r, c) is where one of the selected piece's legal moves lands.
bool isTarget(int r, int c) {
    const uint32_t moveDirs = game.pieces[pendingMove.piece].moveDirs;
    for (int d = 0; d < 8; ++d) {
        if (!(moveDirs & (1u << d))) continue;
        const Move m = buildMove(pendingMove.piece, d);
        if (r == m.toRow && c == m.toCol) return true;
    }
    return false;
}

}  // namespace

void showTargets() {
    const int n = game.boardSize;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int content = game.board[r][c] / 64;
            const bool selected = r == pendingMove.fromRow && c == pendingMove.fromCol;
            if (selected || isTarget(r, c))
                squareButton[r][c]->showAs(content, selected ? 1 : 0);
            else
                showPassiveSquare(r, c, content, 0);
        }
}
