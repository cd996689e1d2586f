// The strong player's use of its time per move: a monotonic clock started with each think, a soft
// limit after which no new iteration of the deepening starts, and a hard limit at which the search
// stops, just before the time is up.
#pragma once

// startThinkClock() starts the clock of a think that may take `seconds` (no limit when it is 0 or
// less, or infinite).
void startThinkClock(double seconds);

// thinkSeconds() is the time since startThinkClock().
double thinkSeconds();

// pastHardLimit() tells whether the think has used its time, less a small margin for returning the
// move: the search stops then. Always false without a limit.
bool pastHardLimit();

// canStartIteration() tells whether the think is still before its soft limit, so that another
// iteration may start. Always true without a limit.
bool canStartIteration();
