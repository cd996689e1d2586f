#include "strong/concentration.h"

#include <algorithm>
#include <cstdlib>

#include "position/game_state.h"

int32_t leastDistanceSum(int pieces) {
    int32_t sum = 0;
    int placed = pieces > 0 ? 1 : 0;  // the centre square, at distance 0
    for (int ring = 1; placed < pieces; ++ring) {
        const int here = std::min(8 * ring, pieces - placed);
        sum += ring * here;
        placed += here;
    }
    return sum;
}

// measureConcentration() works in units of 1/n of a square for the distances from the centre of
// mass (n pieces): with row and column sums R and C, a piece on (r, c) lies |n r - R| / n rows and
// |n c - C| / n columns from it. The board's middle is at (N + 1) / 2, so twice every coordinate is
// whole.
Concentration measureConcentration(int side) {
    Concentration result{0, 0, 0, 0, 0};
    int32_t n = 0, rows = 0, cols = 0, rowSquares = 0, colSquares = 0, fromMiddle = 0;
    int top = MAX_BOARD_SIZE, bottom = 0, left = MAX_BOARD_SIZE, right = 0;
    const int middle = game.boardSize + 1;  // twice the middle's coordinate
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (!p.onBoard) continue;
        ++n;
        rows += p.row;
        cols += p.col;
        rowSquares += p.row * p.row;
        colSquares += p.col * p.col;
        fromMiddle += std::max(std::abs(2 * p.row - middle), std::abs(2 * p.col - middle));
        top = std::min(top, p.row);
        bottom = std::max(bottom, p.row);
        left = std::min(left, p.col);
        right = std::max(right, p.col);
    }
    if (n == 0) return result;
    int32_t fromCentre = 0;  // times n
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (p.onBoard) fromCentre += std::max(std::abs(n * p.row - rows), std::abs(n * p.col - cols));
    }
    result.spread = 16 * (n * rowSquares - rows * rows + n * colSquares - cols * cols) / (n * n);
    result.concentration = std::max(0, 16 * (fromCentre - n * leastDistanceSum(n)) / (n * n));
    result.decentralisation = 8 * fromMiddle / n;
    result.centreOffset = 8 * std::max(std::abs(2 * rows - middle * n), std::abs(2 * cols - middle * n)) / n;
    result.area = (bottom - top + 1) * (right - left + 1);
    return result;
}
