#include "ui/fltk_toolkit.h"

#include <FL/Fl.H>
#include <FL/Fl_Output.H>
#include <FL/x.H>

#include "position/toolkit.h"
#include "search/think.h"
#include "ui/widgets.h"

namespace {

// The search runs on the toolkit's thread: letting pending events run keeps the window drawn, runs the
// time-out and lets a close of the window end the program.
void processEvents() { Fl::check(); }

void onTimeout(void*) { onThinkTimeout(); }

// The stop flag of the search that holds the events back, and whether the hook has set it.
uint8_t* heldStopFlag = nullptr;
bool heldSearchStopped = false;

void stopWhenEventsWait() {
    Fl::flush();
    if (!eventsWaiting()) return;
    *heldStopFlag = 1;
    heldSearchStopped = true;
}

void armThinkTimeout(double seconds) { Fl::add_timeout(seconds, onTimeout); }

void cancelThinkTimeout() { Fl::remove_timeout(onTimeout); }

// A think lets events run, and so draws the window, before its first root move is known: the outputs
// appear only with their first texts, never empty or with the texts of the previous think.
void showProgress() {
    exploringOutput->label("exploring ");
    exploringOutput->redraw_label();
    exploringOutput->value("");
    atDepthOutput->value("");
}

void hideProgress() {
    exploringOutput->hide();
    atDepthOutput->hide();
}

void setExploring(const char* text) {
    exploringOutput->value(text);
    exploringOutput->redraw();
    exploringOutput->show();
}

void setAtDepth(const char* text) {
    atDepthOutput->value(text);
    atDepthOutput->redraw();
    atDepthOutput->show();
}

}  // namespace

void installFltkToolkit() {
    toolkit = {processEvents, armThinkTimeout, cancelThinkTimeout, showProgress, hideProgress, setExploring,
               setAtDepth};
}

EventsHeldBack::EventsHeldBack(uint8_t* stopFlag) : savedHook(toolkit.processEvents) {
    heldStopFlag = stopFlag;
    heldSearchStopped = false;
    toolkit.processEvents = stopWhenEventsWait;
}

bool EventsHeldBack::interrupted() const { return heldSearchStopped; }

EventsHeldBack::~EventsHeldBack() {
    toolkit.processEvents = savedHook;
    heldStopFlag = nullptr;
}

// Fl::ready() looks at the display's queue once no time-out is due, and there must be a display then.
bool eventsWaiting() { return fl_display != nullptr && Fl::ready(); }
