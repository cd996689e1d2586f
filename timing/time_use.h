// The strong player's use of its time per move: a monotonic clock started with each think, a hard
// limit at which the search gives up, and the choice whether one more iteration of the deepening can
// still finish in the time that is left.
#pragma once

// startThinkClock() starts the clock of a think that may take `seconds` (no limit when it is 0 or
// less, or infinite).
void startThinkClock(double seconds);

// thinkSeconds() is the time since startThinkClock().
double thinkSeconds();

// pastHardLimit() tells whether the think has used its time, less a small margin for returning the
// move: the search stops then. Always false without a limit.
bool pastHardLimit();

// canStartIteration() tells whether the next iteration is likely to finish within the limit, judged by
// the times of the last two completed iterations: the next one is expected to take the last one's
// time times the growth from the one before. Always true without a limit.
bool canStartIteration(double lastIterationSeconds, double previousIterationSeconds);
