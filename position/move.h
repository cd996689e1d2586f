// A move and the two fixed sequences that make it on the one position and take it back.
#pragma once

#include <cstdint>

#include "position/game_state.h"

struct Move {
    int32_t fromRow;
    int32_t fromCol;
    int32_t toRow;
    int32_t toCol;
    int32_t piece;      // id of the moving piece
    int32_t direction;  // 0..7
    int32_t distance;   // squares moved = line count at generation
    int32_t captured;   // id of the captured piece, or negative (-64) when nothing is captured
    int32_t score;      // static or searched value, seen from the mover
};

// makeMove() applies a legal move of the side to move; it does not flip sideToMove.
void makeMove(const Move& m);
// unmakeMove() takes back the move that makeMove applied, with sideToMove back at the mover.
void unmakeMove(const Move& m);

// playMove() makes m and hands the turn to the other side; takeBackMove() undoes exactly that. The
// search, the generation, perft and the game history all go through this pair.
inline void playMove(const Move& m) {
    makeMove(m);
    game.sideToMove ^= 1;
}
inline void takeBackMove(const Move& m) {
    game.sideToMove ^= 1;
    unmakeMove(m);
}

// buildMove() fills the fields of piece id's move in direction d from the current position.
Move buildMove(int id, int d);

// A line of moves from a position, each legal in the position that the ones before it leave: the
// line a search expects. MAX_VARIATION is the deepest a search goes.
constexpr int MAX_VARIATION = 128;
struct Variation {
    Move moves[MAX_VARIATION];
    int32_t length;
};
