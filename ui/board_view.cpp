#include "ui/board_view.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>

#include "position/game_state.h"
#include "position/history.h"
#include "ui/game_events.h"
#include "ui/square_images.h"
#include "ui/statistics_panel.h"
#include "ui/widgets.h"

namespace {

// The square of the hint's target while the board shows a hint; row 0 otherwise.
int hintTargetRow = 0, hintTargetCol = 0;

// refreshSquare() puts square (r, c) into the normal display: the pieces of the side to move are
// raised buttons while the game is undecided; everything else is the passive box under a hidden button.
void refreshSquare(int r, int c, bool decided) {
    const int content = game.board[r][c] / 64;
    const bool clickable = content == game.sideToMove + 1 && !decided;
    const bool onLastMove = (r == lastMove.fromRow && c == lastMove.fromCol) ||
                            (r == lastMove.toRow && c == lastMove.toCol);
    const bool selected = r == pendingMove.fromRow && c == pendingMove.fromCol;
    const int highlighted = onLastMove || selected ? 1 : 0;
    if (clickable)
        squareButton[r][c]->showAs(content, highlighted);
    else
        showPassiveSquare(r, c, content, highlighted);
}

void showIf(Fl_Widget* widget, bool shown) {
    if (shown)
        widget->show();
    else
        widget->hide();
}

// Buttons that cannot act are hidden, not greyed out.
void refreshNavigation() {
    showIf(restartButton, canGoBack());
    showIf(undoButton, canGoBack());
    showIf(redoButton, canGoForward());
    showIf(goToEndButton, canGoForward());
}

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

// showSelection() shows the selected square and the squares that `target` accepts as clickable.
template <class Target>
void showSelection(Target target) {
    const int n = game.boardSize;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int content = game.board[r][c] / 64;
            const bool selected = r == pendingMove.fromRow && c == pendingMove.fromCol;
            if (selected || target(r, c))
                squareButton[r][c]->showAs(content, selected ? 1 : 0);
            else
                showPassiveSquare(r, c, content, 0);
        }
}

}  // namespace

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
        gameChanged(GameChange::MovePlayed);
    }
}

// refreshBoard() redraws every square from the board. Once either side has all its pieces in one group
// the game is decided and no square stays clickable, until a move is taken back.
void refreshBoard() {
    hintTargetRow = hintTargetCol = 0;
    const bool decided = game.groupCount[0] <= 1 || game.groupCount[1] <= 1;
    const int n = game.boardSize;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) refreshSquare(r, c, decided);
    refreshNavigation();
    refreshStatistics();
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

void showTargets() {
    hintTargetRow = hintTargetCol = 0;
    showSelection(isTarget);
}

// showHint() selects the piece as a click on it would: the move played from the hint is then a
// person's move like any other.
void showHint(const Move& m) {
    pendingMove.fromRow = m.fromRow;
    pendingMove.fromCol = m.fromCol;
    pendingMove.piece = m.piece;
    hintTargetRow = m.toRow;
    hintTargetCol = m.toCol;
    showSelection([&m](int r, int c) { return r == m.toRow && c == m.toCol; });
}

bool hintShown() { return hintTargetRow != 0 && pendingMove.fromRow != 0; }

// dropHint() waits while the computer thinks: the position is then the search's, and the display is
// brought back to the normal one when the think ends.
void dropHint() {
    if (thinking || !hintShown()) return;
    pendingMove.fromRow = pendingMove.fromCol = 0;
    refreshBoard();
}

bool canGoBack() { return game.historyPosition >= 1; }
bool canGoForward() { return game.historyPosition < gameHistory.historyLength; }
