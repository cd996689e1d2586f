#include "position/perft.h"

#include "position/game_state.h"
#include "position/move.h"

// The last ply needs no moves made: the side's number of legal moves is already in the masks.
uint64_t perft(int depth) {
    if (depth <= 0) return 1;
    const int side = game.sideToMove;
    if (depth == 1) return static_cast<uint64_t>(game.sideMoveCount[side]);
    uint64_t total = 0;
    const int end = game.nextPieceId[side];
    for (int id = side * 64; id < end; ++id) {
        const uint32_t dirs = game.pieces[id].moveDirs;
        for (int d = 0; d < 8; ++d) {
            if (!(dirs & (1u << d))) continue;
            const Move m = buildMove(id, d);
            playMove(m);
            total += perft(depth - 1);
            takeBackMove(m);
        }
    }
    return total;
}
