// A one-shot deadline on the monotonic clock: the time-out of a think where no toolkit keeps one, in
// the command-line tool and in the engine protocol. Whoever lets events run looks at it.
#pragma once

#include <chrono>

struct Deadline {
    std::chrono::steady_clock::time_point at;
    bool armed = false;
};

// armDeadline() sets the deadline `seconds` from now. A limit beyond any session (1e9 seconds or
// more, or infinity) leaves it unarmed: it never passes.
void armDeadline(Deadline& deadline, double seconds);

// deadlinePassed() tells, once, that an armed deadline has passed: it disarms it as it says so.
bool deadlinePassed(Deadline& deadline);
