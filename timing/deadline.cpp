#include "timing/deadline.h"

void armDeadline(Deadline& deadline, double seconds) {
    using Clock = std::chrono::steady_clock;
    deadline.armed = seconds < 1e9;
    if (!deadline.armed) return;
    deadline.at = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

bool deadlinePassed(Deadline& deadline) {
    if (!deadline.armed || std::chrono::steady_clock::now() < deadline.at) return false;
    deadline.armed = false;
    return true;
}
