#include "position/setups.h"

#include "position/game_state.h"
#include "position/pieces.h"

namespace {

// ringSides() gives the sides of the four squares top, bottom, left, right of index i under
// pattern 0 (plain), 1 (split A) or 2 (split B). H and h are the two halves' thresholds, which
// differ on odd boards so that each side gets half the ring.
void ringSides(int pattern, int i, int sides[4]) {
    const int n = game.boardSize;
    const int bigHalf = (n + 1) / 2;
    const int smallHalf = n / 2;
    switch (pattern) {
        case 0:
            sides[0] = 0, sides[1] = 0, sides[2] = 1, sides[3] = 1;
            break;
        case 1:
            sides[0] = i > bigHalf, sides[1] = i <= smallHalf;
            sides[2] = i > smallHalf, sides[3] = i <= bigHalf;
            break;
        default:
            sides[0] = i > bigHalf, sides[1] = i <= smallHalf;
            sides[2] = i <= bigHalf, sides[3] = i > smallHalf;
            break;
    }
}

// placeRing() places ring r0 (first line r0, last line N + 1 - r0), skipping the ring's corners,
// in the order that fixes the piece ids: for each i, top, bottom, left, right.
void placeRing(int r0, int pattern) {
    const int r1 = game.boardSize + 1 - r0;
    for (int i = r0 + 1; i <= r1 - 1; ++i) {
        int sides[4];
        ringSides(pattern, i, sides);
        newPiece(r0, i, sides[0]);
        newPiece(r1, i, sides[1]);
        newPiece(i, r0, sides[2]);
        newPiece(i, r1, sides[3]);
    }
}

}  // namespace

void placeInitialSetup() {
    const int b = game.setupNumber;
    if (b > 2) placeRing(1, b % 3);
    if (b / 3 != 1) placeRing(2, b % 3);
}

void startPosition(int boardSize, int setupNumber) {
    clearGameState();
    game.boardSize = boardSize;
    game.setupNumber = setupNumber;
    resetPosition();
    placeInitialSetup();
    game.sideToMove = 0;
}
