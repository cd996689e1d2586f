// perft(): the number of distinct sequences of `depth` legal moves from the position, by the rule
// of movement alone (no first-move restriction, no end of game). Pins the move masks down.
#pragma once

#include <cstdint>

uint64_t perft(int depth);
