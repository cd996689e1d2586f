#include "moves/generate.h"

#include "moves/evaluate.h"
#include "position/game_state.h"

namespace {

// isFirstMoveSquare() tells whether a piece on (row, col) may move at the root of the game's very
// first move: the opening is symmetric, so only the upper-left quarter needs to be looked at.
bool isFirstMoveSquare(int row, int col) {
    const int half = (game.boardSize + 1) / 2;
    return row < half && col <= half;
}

}  // namespace

// generateMoves() pushes every legal move of the side to move, in piece id and then direction
// order, each scored by making it, evaluating the result for the mover and taking it back. The
// position is the entry position again between any two moves and on return.
void generateMoves(MoveList& list) {
    const int side = game.sideToMove;
    const bool firstMove = game.historyPosition == 0 && game.searchPly == 0;
    const int endId = game.nextPieceId[side];
    for (int id = side * 64; id < endId; ++id) {
        const PieceRecord& piece = game.pieces[id];
        const uint32_t dirs = piece.moveDirs;  // read once: making the moves rewrites the record
        if (dirs == 0) continue;                // also every captured piece
        if (firstMove && !isFirstMoveSquare(piece.row, piece.col)) continue;
        for (int d = 0; d < 8; ++d) {
            if ((dirs & (1u << d)) == 0) continue;
            Move m = buildMove(id, d);
            playMove(m);
            m.score = evaluate();  // rates the position for the side not to move: the mover
            takeBackMove(m);
            pushMove(list, m);
        }
    }
}
