// The selective alpha-beta search over the one global position.
#pragma once

#include <cstdint>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/move.h"

constexpr int32_t NO_SCORE = -2147483647;

struct SearchState {
    uint8_t stopRequested;  // set by the think time-out; read by interior nodes after every move
    int32_t iterationDepth;
    Move bestMove;          // the root's choice; its score is the searched value
    int32_t depthLimit[2];
    double timeLimit[2];
    // What the strong player's last think did: positions visited, the depth it completed and the line
    // it expects, starting with bestMove (the classic player keeps no line: length 0).
    uint64_t nodeCount;
    int32_t depthReached;
    Variation variation;
};

extern SearchState searchState;

// NO_MOVE is what a root search leaves in bestMove when the side to move has no legal move:
// no squares, no piece, nothing captured, worth NO_SCORE.
constexpr Move NO_MOVE = {0, 0, 0, 0, -1, 0, 0, NO_PIECE, NO_SCORE};
inline bool isNoMove(const Move& m) { return m.piece < 0; }

// search() returns the fail-soft value of the position for the side to move, searched to
// game.remainingDepth (>= 1) plies within the window (alpha, beta). The position, sideToMove,
// searchPly and remainingDepth are as on entry when it returns. At searchPly 0 it also writes
// searchState.bestMove (NO_MOVE when the side to move has no legal move).
int32_t search(int32_t alpha, int32_t beta);
