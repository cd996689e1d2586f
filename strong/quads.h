// A side's pieces seen through every 2 x 2 window of the board (a quad), the border included: how
// many windows hold one of its pieces, three, four, or two on a diagonal. They give the Euler number
// of the side's pieces under touching in eight directions, the number of groups less the number of
// holes, exactly and from local counts alone: a side whose Euler number is above 1 cannot be
// connected. And how many pairs of its pieces touch.
#pragma once

#include <cstdint>

struct QuadCounts {
    int32_t one;       // windows with exactly one of the side's pieces
    int32_t three;     // with exactly three
    int32_t four;      // filled
    int32_t diagonal;  // with two on a diagonal and none beside them
};

// countQuads() counts the windows of the side's pieces, read from its set of squares.
QuadCounts countQuads(int side);

// eulerTimesFour() is four times the Euler number: one - three - 2 * diagonal.
inline int32_t eulerTimesFour(const QuadCounts& q) { return q.one - q.three - 2 * q.diagonal; }

// touchingPairs() is the number of pairs of the side's pieces that touch, orthogonally or
// diagonally.
int32_t touchingPairs(int side);
