// The logic's one way out to the toolkit. The desktop program fills it with FLTK calls, the
// command-line tool with a clock, tests with fakes; by default every hook does nothing.
#pragma once

struct ToolkitHooks {
    void (*processEvents)();                   // let pending events run (Fl::check)
    void (*armThinkTimeout)(double seconds);   // one-shot time-out that calls onThinkTimeout
    void (*cancelThinkTimeout)();              // remove it, fired or not
    void (*showProgress)();                    // a timed think starts: the two search outputs are wanted
    void (*hideProgress)();                    // hide them again
    void (*setExploring)(const char* text);    // root move being searched; its output shows from the first text
    void (*setAtDepth)(const char* text);      // depth of the current iteration; likewise
};

extern ToolkitHooks toolkit;

// Restores the do-nothing hooks.
void resetToolkitHooks();
