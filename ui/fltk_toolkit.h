// The search's way out to the toolkit, filled with FLTK: events are processed inside the search, the
// time-out is an FLTK one-shot timer, and the progress goes into the two outputs of the main window.
#pragma once

#include <cstdint>

// installFltkToolkit() fills the logic's toolkit hooks; the main window must have been built.
void installFltkToolkit();

// EventsHeldBack lets a search of the window's own (an analysis) run on the one position without
// handing it the toolkit's events. While it lives, the hook that a search calls now and then runs no
// handler: it draws what has changed and, when any event or time-out waits, sets *stopFlag, so that the
// search unwinds within a moment. The caller returns to the event loop, where the events are handled on
// the real position, and searches again from there. No handler can then read or change the game while
// the search has it.
class EventsHeldBack {
public:
    explicit EventsHeldBack(uint8_t* stopFlag);
    ~EventsHeldBack();
    EventsHeldBack(const EventsHeldBack&) = delete;
    EventsHeldBack& operator=(const EventsHeldBack&) = delete;

    // interrupted() tells whether the hook has set the stop flag: some of what the search found since
    // is not to be trusted.
    bool interrupted() const;

private:
    void (*savedHook)();
};

// eventsWaiting() tells whether an event or a time-out waits for the event loop (never without a
// display, where only time-outs could).
bool eventsWaiting();
