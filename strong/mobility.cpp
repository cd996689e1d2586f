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

// edgeMoves() uses that a move along a line lands on the edge where the line meets it: anywhere on a
// row or a column along the edge, else only at the line's two ends. Along a line of n pieces a
// forward move reaches the far end from place length - n, a backward move the near end (place 1)
// from place 1 + n.
int32_t edgeMoves(int side) {
    const int n = game.boardSize;
    const int shift = 32 * side;
    const int32_t* counts[4] = {game.rowCount, game.diagCount, game.colCount, game.antiDiagCount};
    const int lineCount[4] = {n, 2 * n - 1, n, 2 * n - 1};
    int32_t total = 0;
    for (int family = 0; family < 4; ++family) {
        const bool straight = family % 2 == 0;  // rows and columns
        for (int i = 0; i < lineCount[family]; ++i) {
            const int pieces = counts[family][i];
            if (pieces == 0) continue;
            const LineBits& line = game.lineBits[family][i];
            const uint32_t forward = static_cast<uint32_t>(line.forward >> shift);
            const uint32_t backward = static_cast<uint32_t>(line.backward >> shift);
            if ((forward | backward) == 0) continue;
            if (straight && (i == 0 || i == n - 1)) {
                total += __builtin_popcount(forward) + __builtin_popcount(backward);
                continue;
            }
            const int length = straight ? n : n - (i > n - 1 ? i - (n - 1) : (n - 1) - i);
            if (length - pieces >= 1) total += (forward >> (length - pieces)) & 1;
            if (1 + pieces <= length) total += (backward >> (1 + pieces)) & 1;
        }
    }
    return total;
}
