#include "search/search.h"

#include "moves/evaluate.h"
#include "moves/generate.h"
#include "moves/move_list.h"
#include "position/game_state.h"

SearchState searchState;

namespace {

// Every interior node searches at most remainingDepth + 11 of its moves, best static score first.
constexpr int32_t BUDGET_EXTRA = 12;

// searchReply() makes m, searches the reply position one ply deeper with the negated window and
// takes m back. It returns the value of m for the mover.
int32_t searchReply(const Move& m, int32_t alpha, int32_t beta) {
    playMove(m);
    ++game.searchPly;
    --game.remainingDepth;
    const int32_t v = -search(-beta, -alpha);
    ++game.remainingDepth;
    --game.searchPly;
    takeBackMove(m);
    return v;
}

// leaveNode() gives the node's chosen move its searched value and, at the root, hands it to the
// driver.
void leaveNode(Move& chosen, int32_t best) {
    chosen.score = best;
    if (game.searchPly == 0) searchState.bestMove = chosen;
}

// searchInterior() is a node with remainingDepth >= 2. It generates and statically scores all its
// moves, then takes them best-first out of the heap and searches at most remainingDepth + 11.
// A move whose static score is decided is taken at that score without being made. The node stops
// at a value that reaches beta (equality included) and, when the time-out has fired, after the
// move it is on. Its one allocation is its move list, sized once to the side's move count.
int32_t searchInterior(int32_t alpha, int32_t beta) {
    MoveList list;
    list.heap.reserve(game.sideMoveCount[game.sideToMove]);
    generateMoves(list);

    int32_t best = NO_SCORE;
    Move chosen = NO_MOVE;
    int32_t budget = game.remainingDepth + BUDGET_EXTRA;
    while (!isEmpty(list)) {
        if (--budget == 0) break;
        const Move m = popMove(list);
        const int32_t v = isOrdinaryScore(m.score) ? searchReply(m, alpha, beta) : m.score;
        if (v > best) {
            best = v;
            chosen = m;
            if (best >= beta) break;
            if (best > alpha) alpha = best;
        } else if (isNoMove(chosen)) {
            // v is NO_SCORE (the reply leaves this side without a move): keep a legal move all
            // the same, so that a root whose every move scores NO_SCORE still names one.
            chosen = m;
        }
        if (searchState.stopRequested) break;
    }
    leaveNode(chosen, best);
    return best;
}

// searchHorizon() is a node with remainingDepth 1. It walks the pieces of the side to move in id
// order and their directions in bit order, makes each move, evaluates it for the mover and takes
// it back, and stops at the first value that reaches beta. It builds no list and allocates
// nothing. Its alpha plays no part: no child window depends on it.
int32_t searchHorizon(int32_t beta) {
    const int side = game.sideToMove;
    int32_t best = NO_SCORE;
    Move chosen = NO_MOVE;
    bool cut = false;
    for (int id = side * 64; id < game.nextPieceId[side] && !cut; ++id) {
        const PieceRecord& piece = game.pieces[id];
        if (!piece.onBoard) continue;
        // The masks are read once: making and taking back a move restores them exactly.
        for (uint32_t dirs = piece.moveDirs; dirs != 0; dirs &= dirs - 1) {
            const Move m = buildMove(id, __builtin_ctz(dirs));
            playMove(m);
            const int32_t v = evaluate();
            takeBackMove(m);
            if (v > best) {
                best = v;
                chosen = m;
                if (best >= beta) {
                    cut = true;
                    break;
                }
            }
        }
    }
    leaveNode(chosen, best);
    return best;
}

}  // namespace

int32_t search(int32_t alpha, int32_t beta) {
    if (game.remainingDepth >= 2) return searchInterior(alpha, beta);
    return searchHorizon(beta);
}
