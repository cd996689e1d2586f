// The "Think!" button: the computer chooses and plays the move of the side to move, within the depth and
// time limits typed into the main window.
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
