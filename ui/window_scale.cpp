#include "ui/window_scale.h"

#include "settings/zoom.h"
#include "ui/square_images.h"

namespace {

double zoom = 1;

}  // namespace

void setWindowZoom(double newZoom) { zoom = newZoom; }

double windowZoom() { return zoom; }

int scaled(int pixels) { return zoomedPixels(pixels, zoom); }

int squarePixels() { return zoomedPixels(SQUARE_SIZE, zoom); }

int pieceDiameter() { return zoomedPixels(PIECE_DIAMETER, zoom); }
