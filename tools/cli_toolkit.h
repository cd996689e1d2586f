// The tool's side of the logic's toolkit hooks: a monotonic clock for the think time-out, and the
// progress texts on standard error when asked for.
#pragma once

// installClockToolkit() fills the hooks. The time-out fires, as it would in the desktop program,
// only when the logic lets events run (once per iteration and every 65536 evaluations).
void installClockToolkit(bool progressToStderr);
