#include "tools/cli_toolkit.h"

#include <cstdio>
#include <cstring>

#include "position/toolkit.h"
#include "search/think.h"
#include "timing/deadline.h"

namespace {

Deadline deadline;
bool progress = false;
char exploring[32] = "";
char atDepth[32] = "";

void checkClock() {
    if (deadlinePassed(deadline)) onThinkTimeout();
}

void arm(double seconds) { armDeadline(deadline, seconds); }
void disarm() { deadline.armed = false; }
void nothing() {}

// Each text goes out once per change, like an output field that is set and redrawn.
void report(char* last, const char* label, const char* text) {
    if (!progress || std::strcmp(last, text) == 0) return;
    std::snprintf(last, 32, "%s", text);
    std::fprintf(stderr, "%s%s\n", label, text);
}

void setExploring(const char* text) { report(exploring, "exploring ", text); }
void setAtDepth(const char* text) { report(atDepth, "at depth ", text); }

}  // namespace

void installClockToolkit(bool progressToStderr) {
    progress = progressToStderr;
    toolkit = {checkClock, arm, disarm, nothing, nothing, setExploring, setAtDepth};
}
