// The "Think!" button: the computer chooses and plays the move of the side to move, within the depth and
// time limits typed into the main window. The automatic play and the hint think the same way.
#pragma once

#include <FL/Fl_Button.H>

// Ranges of the two limits; values typed outside them are brought into them when "Think!" reads them.
constexpr int MIN_DEPTH_LIMIT = 1;
constexpr int MAX_DEPTH_LIMIT = 30;
constexpr double MAX_TIME_LIMIT = 1440000;  // seconds

class Think_Button : public Fl_Button {
public:
    Think_Button(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

// storeThinkLimits() stores the two typed limits for the side to move as whole numbers within their
// ranges, truncated toward zero, and shows the stored values in the fields.
void storeThinkLimits();

// gameDecided() tells whether a side has all its pieces in one group: nobody thinks then.
bool gameDecided();

// thinkWithLimits() runs the computer's search for the side to move with the typed limits, with
// `thinking` set while it runs, and leaves its choice in searchState.bestMove. Returns false when the
// side to move has no legal move. Must not be called while the computer thinks.
bool thinkWithLimits();

// playComputerMove() thinks and plays the chosen move, and brings the display back to the normal one
// also when nothing was played. Returns whether a move was played; the caller tells the listeners.
bool playComputerMove();
