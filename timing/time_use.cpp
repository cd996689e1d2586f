#include "timing/time_use.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;

// Returning the move and unwinding the search take a little time: the hard limit lies this much
// before the end, at most a twentieth of the limit.
constexpr double RETURN_MARGIN_SECONDS = 0.003;
// Expected growth of an iteration's time over the one before, when the iterations so far were too
// short to tell, and the bounds within which a measured growth is believed.
constexpr double DEFAULT_GROWTH = 3.0;
constexpr double MIN_GROWTH = 1.5;
constexpr double MAX_GROWTH = 8.0;
// Iterations shorter than this are too short for their ratio to mean much.
constexpr double MEASURABLE_SECONDS = 0.002;

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

bool canStartIteration(double lastIterationSeconds, double previousIterationSeconds) {
    if (!thinkClock.limited) return true;
    double growth = DEFAULT_GROWTH;
    if (previousIterationSeconds >= MEASURABLE_SECONDS)
        growth = std::clamp(lastIterationSeconds / previousIterationSeconds, MIN_GROWTH, MAX_GROWTH);
    return thinkSeconds() + lastIterationSeconds * growth <= thinkClock.hardLimit;
}
