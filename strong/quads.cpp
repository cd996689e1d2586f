#include "strong/quads.h"

#include "position/game_state.h"

namespace {

// bitCount() counts the set bits of a word by adding neighbouring fields, in a few instructions on
// any processor of the architecture (the built-in calls a library routine where the instruction set
// has no population count).
inline int32_t bitCount(uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int32_t>((x * 0x01010101u) >> 24);
}

// rowBits() is row `row` (1..N, or 0 and N + 1 beyond the board, always empty) of the side's squares
// shifted left by one: bit c stands for column c, bits 0 and N + 1 for the border.
inline uint32_t rowBits(int side, int row) {
    if (row < 1 || row > game.boardSize) return 0;
    const int first = squareNumber(row, 1);
    return static_cast<uint32_t>((game.sideSquares[side][first >> 6] >> (first & 63)) & 0xFFFF) << 1;
}

}  // namespace

// countQuads() takes two rows at a time: bit c of each mask below stands for the window whose left
// column is c (0..N), so that one pass of bit operations classifies all N + 1 windows of the pair.
QuadCounts countQuads(int side) {
    const int n = game.boardSize;
    const uint32_t windows = (uint32_t{1} << (n + 1)) - 1;
    QuadCounts q{0, 0, 0, 0};
    uint32_t upper = 0;
    for (int row = 1; row <= n + 1; ++row) {
        const uint32_t lower = rowBits(side, row);
        const uint32_t upperLeft = upper, upperRight = upper >> 1, lowerLeft = lower, lowerRight = lower >> 1;
        const uint32_t upperOdd = upperLeft ^ upperRight, upperBoth = upperLeft & upperRight;
        const uint32_t lowerOdd = lowerLeft ^ lowerRight, lowerBoth = lowerLeft & lowerRight;
        const uint32_t oddTotal = upperOdd ^ lowerOdd;
        q.one += bitCount(oddTotal & ~(upperBoth | lowerBoth) & windows);
        q.three += bitCount(oddTotal & (upperBoth ^ lowerBoth) & windows);
        q.four += bitCount(upperBoth & lowerBoth & windows);
        const uint32_t falling = upperLeft & lowerRight & ~upperRight & ~lowerLeft;
        const uint32_t rising = upperRight & lowerLeft & ~upperLeft & ~lowerRight;
        q.diagonal += bitCount((falling | rising) & windows);
        upper = lower;
    }
    return q;
}

// Each touching pair is counted once: beside each other in a row, one above the other, or on one of
// the two diagonals between a row and the next.
int32_t touchingPairs(int side) {
    int32_t pairs = 0;
    uint32_t upper = 0;
    for (int row = 1; row <= game.boardSize; ++row) {
        const uint32_t here = rowBits(side, row);
        pairs += bitCount(here & (here >> 1));
        pairs += bitCount(here & upper);
        pairs += bitCount(here & (upper >> 1)) + bitCount(here & (upper << 1));
        upper = here;
    }
    return pairs;
}
