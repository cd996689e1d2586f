#include "ui/message_box.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_ask.H>

#include "ui/window_scale.h"

namespace {

// zoomMessageBox() gives the toolkit's message box the zoom: the text's font through the toolkit's own
// setting, the buttons' labels through the box's widgets, which the toolkit keeps from one message to the
// next and lays out anew from their labels' sizes for each. Only its icon keeps the toolkit's size.
void zoomMessageBox(const char* title) {
    fl_message_title(title);
    fl_message_font(FL_HELVETICA, scaled(NORMAL_FONT_SIZE));
    Fl_Widget* icon = fl_message_icon();
    Fl_Group* box = icon->parent();
    for (int i = 0; box && i < box->children(); ++i)
        if (box->child(i) != icon) box->child(i)->labelsize(scaled(NORMAL_FONT_SIZE));
}

}  // namespace

void tellRefusal(const char* title, const std::string& text) {
    zoomMessageBox(title);
    fl_alert("%s", text.c_str());
}

void tellInformation(const char* title, const std::string& text) {
    zoomMessageBox(title);
    fl_message("%s", text.c_str());
}
