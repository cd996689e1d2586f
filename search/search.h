// The selective alpha-beta search over the one global position.
#pragma once

#include <cstdint>

#include "position/move.h"

constexpr int32_t NO_SCORE = -2147483647;
constexpr int32_t DECIDED_BOUND = 1073741824;  // |score| >= this: the game is decided

struct SearchState {
    uint8_t stopRequested;  // set by the think time-out; read by interior nodes after every move
    int32_t iterationDepth;
    Move bestMove;          // the root's choice; its score is the searched value
    int32_t depthLimit[2];
    double timeLimit[2];
};

extern SearchState searchState;

inline bool isOrdinaryScore(int32_t s) { return s > -DECIDED_BOUND && s < DECIDED_BOUND; }

int32_t search(int32_t alpha, int32_t beta);
