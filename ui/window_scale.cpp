#include "ui/window_scale.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Value_Input.H>

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

void scaleFonts(Fl_Group* group) {
    const int size = scaled(NORMAL_FONT_SIZE);
    for (int i = 0; i < group->children(); ++i) {
        Fl_Widget* widget = group->child(i);
        widget->labelsize(size);
        if (auto* field = dynamic_cast<Fl_Input_*>(widget)) field->textsize(size);
        if (auto* field = dynamic_cast<Fl_Value_Input*>(widget)) field->textsize(size);
    }
}
