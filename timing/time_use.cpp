#include "timing/time_use.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;

// Returning the move and unwinding the search take a little time: the hard limit lies this much
// before the end, at most a twentieth of the limit.
constexpr double RETURN_MARGIN_SECONDS = 0.005;
// The soft limit: a new iteration starts only while less than this part of the time is used. The
// one it starts runs until it completes or the hard limit stops it; the root moves it searched to
// the end before the stop still count, so that the time past the soft limit is not lost.
constexpr double SOFT_LIMIT_SHARE = 0.6;

struct ThinkClock {
    Clock::time_point start;
    bool limited = false;
    double hardLimit = 0;  // seconds after start
    double limit = 0;
};

ThinkClock thinkClock;

}  // namespace

void startThinkClock(double seconds) {
    thinkClock.start = Clock::now();
    thinkClock.limited = seconds > 0 && std::isfinite(seconds);
    thinkClock.limit = seconds;
    thinkClock.hardLimit = seconds - std::min(RETURN_MARGIN_SECONDS, seconds / 20);
}

double thinkSeconds() { return std::chrono::duration<double>(Clock::now() - thinkClock.start).count(); }

bool pastHardLimit() { return thinkClock.limited && thinkSeconds() >= thinkClock.hardLimit; }

bool canStartIteration() {
    return !thinkClock.limited || thinkSeconds() < SOFT_LIMIT_SHARE * thinkClock.limit;
}
