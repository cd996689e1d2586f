// The board view: each square is a passive box with a Square_Button on top, shown only where a click
// can act. A person enters a move with two clicks, the piece and then one of its targets. The board
// has three displays: the normal one (refreshBoard), the selection of a piece with its targets
// (showTargets) and a hint, the selection of the computer's choice with its one target (showHint).
#pragma once

#include <FL/Fl_Button.H>

struct Move;

// Square_Button acts on the mouse release and otherwise only changes its look: its label image is
// always squareImages[content][raised][highlighted][lit], which covers the whole button. While the
// computer thinks it hands every event to the plain button handling.
class Square_Button : public Fl_Button {
public:
    Square_Button(int x, int y, int w, int h, int row, int col);
    int handle(int event) override;

    // showAs() shows the button raised and unlit with this content and highlight.
    void showAs(int newContent, int newHighlighted);
    // showImage() selects the image for the current fields and redraws when it changed.
    void showImage();

    int content = 0;      // 0 empty, 1 piece of side 0, 2 piece of side 1
    int raised = 0;       // 1: clickable surface; 0: sunken, also while the mouse button is down on it
    int highlighted = 0;  // 1: a square of the last move or the selected piece
    int lit = 0;          // 1: the pointer is over the button
    int boardRow;         // 1..N
    int boardCol;         // 1..N

private:
    void actOnClick();
};

// refreshBoard() brings the board squares (the normal display), the navigation buttons and the
// statistics up to date with the position, the last move, the selection and the game history.
void refreshBoard();

// showPassiveSquare() hides the button of square (r, c) so that its box shows through with the
// sunken image of this content and highlight.
void showPassiveSquare(int r, int c, int content, int highlighted);

// showTargets() is the selection display: only the selected square (pendingMove's from-square,
// highlighted) and the targets of its piece's legal moves are clickable; every other square is passive
// and unhighlighted. The navigation buttons and the statistics stay as they are.
void showTargets();

// showHint() selects the piece of the move m, a legal move of the side to move, and shows the
// selection display with m's target as the only target: clicking it plays m, clicking the piece
// cancels, as with a selection made by hand.
void showHint(const Move& m);

// hintShown() tells whether the board shows a hint; dropHint() puts a shown hint back to the normal
// display and does nothing otherwise, nor while the computer thinks.
bool hintShown();
void dropHint();

// Whether a move can be taken back, and whether one can be replayed: the navigation buttons act, and
// are shown, only then.
bool canGoBack();
bool canGoForward();
