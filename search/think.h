// The think driver: the computer player's entry point.
#pragma once

#include <cstdint>

#include "position/move.h"
#include "records/notation.h"  // formatProgress(), the exploring text of both players
#include "strong/strong_think.h"

// A root move skipped by an iteration's budget loses this much from its queue score.
constexpr int32_t UNSEARCHED_PENALTY = 8388608;

// think() chooses a move for the side to move within searchState's limits for that side and leaves
// it in searchState.bestMove; the position is left as found. Returns false, with bestMove cleared
// to NO_MOVE, when the side to move has no legal move: then nothing may be played. The player that
// chooses is players[side] (search/player.h): the classic one unless another was chosen.
bool think();

// setIterationListener() names the function that hears of every iteration the strong player
// completes in think(), with the line it expects (the engine protocol's info lines); null: none.
void setIterationListener(void (*listener)(const StrongIteration& iteration));

// onThinkTimeout() is the one-shot time-out's handler: it only sets stopRequested.
void onThinkTimeout();

// penalizeUnsearched() lowers the queue score of a skipped root move by UNSEARCHED_PENALTY,
// saturating at NO_SCORE so that a lost move never wraps round to the top of the queue.
int32_t penalizeUnsearched(int32_t score);
