#include "strong/mobility.h"

#include "position/game_state.h"

MobilityKinds countMobility(int side) {
    const int n = game.boardSize;
    MobilityKinds kinds{game.sideMoveCount[side], game.sideCaptureCount[side], 0};
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (p.moveDirs == 0) continue;  // also every captured piece
        // The piece's four lines, by direction modulo 4: diagonal, column, anti-diagonal, row.
        const int32_t counts[4] = {game.diagCount[p.row - p.col + n - 1], game.colCount[p.col - 1],
                                   game.antiDiagCount[p.row + p.col - 2], game.rowCount[p.row - 1]};
        for (uint32_t dirs = p.moveDirs; dirs != 0; dirs &= dirs - 1) {
            const int d = __builtin_ctz(dirs);
            const int row = p.row + counts[d & 3] * DirRowDelta[d], col = p.col + counts[d & 3] * DirColDelta[d];
            kinds.toEdge += row == 1 || row == n || col == 1 || col == n;
        }
    }
    return kinds;
}
