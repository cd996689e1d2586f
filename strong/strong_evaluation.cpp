#include "strong/strong_evaluation.h"

#include "moves/evaluate.h"
#include "position/game_state.h"

// The sums of rows, columns and their squares give the spread without a second pass:
// n * sum(d^2) = n * sum(r^2) - (sum r)^2, and the same for the columns.
int32_t spreadTimes16(int side) {
    int32_t n = 0, rows = 0, cols = 0, rowSquares = 0, colSquares = 0;
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (!p.onBoard) continue;
        ++n;
        rows += p.row;
        cols += p.col;
        rowSquares += p.row * p.row;
        colSquares += p.col * p.col;
    }
    if (n == 0) return 0;
    return 16 * (n * rowSquares - rows * rows + n * colSquares - cols * cols) / (n * n);
}

int32_t strongEvaluation() {
    const int q = game.sideToMove, p = q ^ 1;
    game.obstruction = 0;
    const int distanceP = connectionDistance(p);
    game.obstruction = -game.obstruction;
    const int distanceQ = connectionDistance(q);  // obstruction is now oQ - oP
    return DISTANCE_WEIGHT * (distanceP - distanceQ) - OBSTRUCTION_WEIGHT * game.obstruction +
           (game.sideMoveCount[q] - game.sideMoveCount[p]) + TEMPO_BONUS +
           SPREAD_WEIGHT * (spreadTimes16(p) - spreadTimes16(q)) / 16;
}
