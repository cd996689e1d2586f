// The think driver: the computer player's entry point.
#pragma once

#include <cstdint>

constexpr int32_t UNSEARCHED_PENALTY = 8388608;

// think() chooses a move for the side to move within searchState's limits for that side and leaves
// it in searchState.bestMove; the position is left as found. Returns false, with bestMove cleared,
// when the side to move has no legal move: then nothing may be played.
bool think();

// onThinkTimeout() is the one-shot time-out's handler: it only sets stopRequested.
void onThinkTimeout();

// formatProgress() writes the exploring text of root move number n (at most 11 characters).
void formatProgress(char* out, int n, const struct Move& m);
