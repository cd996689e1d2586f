// The window's zoom as the builders of the windows see it: every place, size and font they give is
// scaled by it, and the board squares have the size of the images rendered for it. At zoom 1 every
// number is exactly the one the window has always had.
#pragma once

class Fl_Group;

// setWindowZoom() sets the zoom (1 to 4) for the widgets built from now on; windowZoom() reads it.
void setWindowZoom(double zoom);
double windowZoom();

// scaled() is a length of the window at zoom 1 scaled to the current zoom, rounded to whole pixels.
int scaled(int pixels);

// The board square and the piece at the current zoom: round(31 Z) and round(24 Z) pixels.
int squarePixels();
int pieceDiameter();

// NORMAL_FONT_SIZE is the toolkit's label and text size at zoom 1.
constexpr int NORMAL_FONT_SIZE = 14;

// scaleFonts() gives every label and text of the group's widgets the toolkit's normal size at the zoom.
void scaleFonts(Fl_Group* group);
