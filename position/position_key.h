// The position key: a 64-bit number that equal positions share and different ones almost never do,
// for the strong player's transposition table. placePiece and removePiece keep it in
// game.positionKey, one exclusive or each; checkPosition() recomputes it from the board.
#pragma once

#include <cstdint>

#include "position/game_state.h"

// pieceSquareKey() is the fixed pseudo-random number of a piece of `side` on square `number`
// (squareNumber(), 0..255). It is drawn from squareKey() beyond the numbers that squareKey() gives
// the squares themselves, so that the two kinds of keys never share a number.
constexpr uint64_t pieceSquareKey(int side, int number) { return squareKey(1024 + 256 * side + number); }

// boardSizeKey() sets the key of an empty board of size n apart from those of the other sizes: the
// same pieces on a larger board are another position.
constexpr uint64_t boardSizeKey(int n) { return squareKey(2048 + n); }

// SIDE_TO_MOVE_KEY is added for side 1 to move. sideToMove changes outside placePiece and
// removePiece, so it is not part of game.positionKey; positionKeyWithSide() adds it.
constexpr uint64_t SIDE_TO_MOVE_KEY = squareKey(4095);

inline uint64_t positionKeyWithSide() { return game.positionKey ^ (game.sideToMove ? SIDE_TO_MOVE_KEY : 0); }

// PieceSquareKeys::of[side][number] is pieceSquareKey(side, number), worked out once.
struct PieceSquareKeys {
    uint64_t of[2][MAX_BOARD_SIZE * MAX_BOARD_SIZE];
    constexpr PieceSquareKeys() : of() {
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < MAX_BOARD_SIZE * MAX_BOARD_SIZE; ++i) of[side][i] = pieceSquareKey(side, i);
    }
};
