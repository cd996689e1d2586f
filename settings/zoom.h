// The zoom of the desktop program's window: a factor from 1 to 4 on every place, size and font of the
// window and on its square images. The zoom items step it by quarters.
#pragma once

#include <string>

constexpr double MIN_ZOOM = 1;
constexpr double MAX_ZOOM = 4;
constexpr double ZOOM_STEP = 0.25;

// parseZoom() reads a zoom written as a decimal number, such as 2 or 1.5, from 1 to 4: digits,
// optionally a point and more digits; no sign, no exponent, no blanks. Returns true and sets `zoom`,
// or returns false.
bool parseZoom(const std::string& text, double& zoom);

// formatZoom() writes the zoom as the shortest decimal that reads back to it: "1", "1.25".
std::string formatZoom(double zoom);

// steppedZoom() is the next multiple of ZOOM_STEP above the zoom (direction +1) or below it (-1),
// kept within 1..4: from 1.3, up is 1.5 and down 1.25.
double steppedZoom(double zoom, int direction);

// zoomedPixels() scales a length in pixels, rounded to the nearest whole pixel (halves away from
// zero): at zoom 1 every length is exactly what it was.
int zoomedPixels(int pixels, double zoom);
