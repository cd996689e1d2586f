#include "strong/strong_search.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "position/game_state.h"
#include "position/position_key.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "strong/strong_evaluation.h"
#include "timing/time_use.h"

StrongSearch strongSearch;
Variation rootVariation;

namespace {

// Pruning and reductions. Each is kept because a match at equal time showed that it pays; the
// commits that brought them in quote the matches.
//
// Reverse futility: at a node this near the horizon whose static value beats beta by a margin per
// ply, the side to move is assumed to keep its advantage, and the node is not searched.
constexpr int FUTILITY_MAX_DEPTH = 3;
constexpr int32_t FUTILITY_MARGIN = 2 * DISTANCE_WEIGHT;
// Null move: if the opponent, given two moves in a row, still cannot bring the value below beta, the
// position is good enough without a search of its own. The test searches R plies less.
constexpr int NULL_MOVE_MIN_DEPTH = 3;
constexpr int NULL_MOVE_REDUCTION = 2;  // plus one per six plies of depth
// Late-move pruning: near the horizon, outside the principal variation, the moves late in the order
// are not searched at all: at depth d only the first LMP_BASE + LMP_STEP * d.
constexpr int LMP_MAX_DEPTH = 4;
constexpr int LMP_BASE = 3;
constexpr int LMP_STEP = 2;
// Late-move reductions: the moves after the first LMR_FIRST_MOVE (killers excepted) at nodes this
// deep are first searched less deeply, and again at full depth only when they beat alpha.
constexpr int LMR_MIN_DEPTH = 3;
constexpr int LMR_FIRST_MOVE = 3;
// The table is asked and written at nodes this deep: at depth 1 the lookup costs more than it saves.
constexpr int TABLE_MIN_DEPTH = 2;

// The clock and the stop flag are read every POLL_NODES nodes, the toolkit's events run every
// EVENT_NODES nodes.
constexpr uint64_t POLL_NODES = 1024;
constexpr uint64_t EVENT_NODES = 8192;

// The moves of every ply of the current line.
OrderedMove moveStack[STRONG_MAX_PLY][MAX_MOVES];

// The best line found below each node of the current line, the triangular table of the principal
// variation: lineBelow[ply] starts with the best move of the node at `ply` and goes on with the line
// of the node after it. Only nodes of the principal variation extend their line; every node starts
// with an empty one, so that a line never carries moves of another position.
Variation lineBelow[STRONG_MAX_PLY + 1];

// extendLine() makes the line of the node at `ply` its move m followed by the line below m.
inline void extendLine(int ply, const Move& m) {
    Variation& line = lineBelow[ply];
    const Variation& below = lineBelow[ply + 1];
    line.moves[0] = m;
    const int length = std::min<int>(below.length, MAX_VARIATION - 1);
    std::copy(below.moves, below.moves + length, line.moves + 1);
    line.length = length + 1;
}

// lateMoveReductions.plies[d][i]: how many plies less move number i (from 0) at depth d is first
// searched, 0.5 + ln(d) ln(i) / 2.25 rounded down.
struct ReductionTable {
    int8_t plies[64][64];
    ReductionTable() : plies() {
        for (int d = 1; d < 64; ++d)
            for (int i = 1; i < 64; ++i) plies[d][i] = static_cast<int8_t>(0.5 + std::log(d) * std::log(i) / 2.25);
    }
};
const ReductionTable lateMoveReductions;

int reductionOf(int depth, int moveNumber) {
    return lateMoveReductions.plies[std::min(depth, 63)][std::min(moveNumber, 63)];
}

// poll() lets the toolkit's events run now and then and sees whether the think must stop.
void poll() {
    if (strongSearch.nodes % EVENT_NODES == 0) toolkit.processEvents();
    if (strongSearch.mayStop && (*strongSearch.stopFlag || pastHardLimit())) strongSearch.stopped = true;
}

// A decided score is kept in the table relative to the node (as if the node were the root), and
// turned back into one relative to the root where it is found.
int32_t scoreToTable(int32_t score, int ply) {
    if (score >= DECIDED_BOUND) return score + DECIDED_DEPTH_STEP * ply;
    if (score <= -DECIDED_BOUND) return score - DECIDED_DEPTH_STEP * ply;
    return score;
}

int32_t scoreFromTable(int32_t score, int ply) {
    if (score >= DECIDED_BOUND) return score - DECIDED_DEPTH_STEP * ply;
    if (score <= -DECIDED_BOUND) return score + DECIDED_DEPTH_STEP * ply;
    return score;
}

// decidedValue() is the value of a decided position for the side to move at `ply`, or 0 when no side
// has connected. The side that made the last move wins when both have.
inline int32_t decidedValue(int ply) {
    const int q = game.sideToMove;
    if (game.groupCount[q ^ 1] == 1) return -winAt(ply);
    if (game.groupCount[q] == 1) return winAt(ply);
    return 0;
}

void showRootMove(int number, const Move& m, int depth) {
    char text[16];
    formatProgress(text, number, m);
    toolkit.setExploring(text);
    char depthText[16];
    std::snprintf(depthText, sizeof depthText, "%d", depth);
    toolkit.setAtDepth(depthText);
}

// improvesConnectivity() tells whether the capture that `side` just made joined groups of its own
// or split the enemy's, from `groups`, the numbers of groups before it.
inline bool improvesConnectivity(int side, const int32_t groups[2]) {
    return game.groupCount[side] < groups[side] || game.groupCount[side ^ 1] > groups[side ^ 1];
}

// quiescence() is the value of the position at or beyond the horizon: the evaluation as it stands,
// unless one of the captures that change a side's connectivity does better, searched the same way
// up to `plies` plies deeper. Fail-soft within (alpha, beta).
int32_t quiescence(int32_t alpha, int32_t beta, int ply, int plies) {
    if (const int32_t decided = decidedValue(ply)) return decided;
    ++strongSearch.nodes;
    if (strongSearch.nodes % POLL_NODES == 0) poll();
    const int32_t standing = strongEvaluation();
    if (plies == 0 || standing >= beta || ply >= STRONG_MAX_PLY - 1 || strongSearch.stopped) return standing;
    alpha = std::max(alpha, standing);
    int32_t best = standing;
    const int side = game.sideToMove;
    const int32_t groups[2] = {game.groupCount[0], game.groupCount[1]};
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        for (uint32_t dirs = game.pieces[id].captureDirs; dirs != 0; dirs &= dirs - 1) {
            const Move m = buildMove(id, __builtin_ctz(dirs));
            playMove(m);
            int32_t v = best;
            if (improvesConnectivity(side, groups)) v = -quiescence(-beta, -alpha, ply + 1, plies - 1);
            takeBackMove(m);
            if (strongSearch.stopped) return 0;
            if (v > best) {
                best = v;
                if (v >= beta) return v;
                alpha = std::max(alpha, v);
            }
        }
    }
    return best;
}

// searchChild() makes m, searches the position after it with the negated window, and takes m back.
inline int32_t searchChild(const Move& m, int depth, int32_t alpha, int32_t beta, int ply) {
    playMove(m);
    const int32_t v = -alphaBeta(depth, -beta, -alpha, ply + 1, true);
    takeBackMove(m);
    return v;
}

// lateMoveReduction() is how many plies less move number i of the node is searched first.
int lateMoveReduction(const OrderedMove& o, int i, int depth, int ply, bool pvNode) {
    if (depth < LMR_MIN_DEPTH || i < LMR_FIRST_MOVE || isKiller(o, ply)) return 0;
    return std::clamp(reductionOf(depth, i) - (pvNode ? 1 : 0), 0, depth - 2);
}

}  // namespace

// alphaBeta(), step by step:
//  1. A decided position is worth its distance from the root; the horizon is worth its quiescence
//     value: its evaluation, unless a capture that changes a side's connectivity does better.
//  2. The bounds shrink to what is still possible this far from the root: no result can beat a win
//     by the next move.
//  3. The table may know the value already (outside the principal variation) and usually knows the
//     best move.
//  4. Outside the principal variation, a position clearly good enough is cut by reverse futility or
//     by the null move.
//  5. Every move in order: the first with the full window, the others with a null window and late
//     ones reduced first, searched again only when they beat alpha; near the horizon the latest
//     ones are not searched.
//  6. The result goes into the table; a side without a legal move is worth 0, as the game can go no
//     further.
int32_t alphaBeta(int depth, int32_t alpha, int32_t beta, int ply, bool nullMoveAllowed) {
    lineBelow[ply].length = 0;
    if (const int32_t decided = decidedValue(ply)) return decided;
    if (depth <= 0 || ply >= STRONG_MAX_PLY - 1) return quiescence(alpha, beta, ply, strongSearch.quiescencePlies);
    ++strongSearch.nodes;
    if (strongSearch.nodes % POLL_NODES == 0) poll();
    if (strongSearch.stopped) return 0;

    const int32_t bestPossible = winAt(ply + 1);
    alpha = std::max(alpha, -bestPossible);
    beta = std::min(beta, bestPossible);
    if (alpha >= beta) return alpha;
    const bool pvNode = int64_t{beta} - alpha > 1;

    const uint64_t key = positionKeyWithSide();
    const bool useTable = depth >= TABLE_MIN_DEPTH;
    const TableEntry* entry = useTable ? probeTable(*strongSearch.table, key) : nullptr;
    uint16_t tableMove = NO_TABLE_MOVE;
    int32_t evaluation;
    if (entry) {
        tableMove = entry->move;
        evaluation = entry->evaluation;
        const int32_t score = scoreFromTable(entry->score, ply);
        if (!pvNode && entry->depth >= depth) {
            const Bound bound = entry->bound();
            if (bound == BOUND_EXACT || (bound == BOUND_LOWER && score >= beta) ||
                (bound == BOUND_UPPER && score <= alpha))
                return score;
        }
    } else {
        evaluation = strongEvaluation();
    }

    if (!pvNode && isOrdinaryScore(beta)) {
        if (depth <= FUTILITY_MAX_DEPTH && evaluation - FUTILITY_MARGIN * depth >= beta) return evaluation;
        if (nullMoveAllowed && depth >= NULL_MOVE_MIN_DEPTH && evaluation >= beta) {
            const int reduction = NULL_MOVE_REDUCTION + depth / 6;
            game.sideToMove ^= 1;
            const int32_t v = -alphaBeta(depth - 1 - reduction, -beta, -beta + 1, ply + 1, false);
            game.sideToMove ^= 1;
            if (strongSearch.stopped) return 0;
            if (v >= beta) return isOrdinaryScore(v) ? v : beta;
        }
    }

    OrderedMove* moves = moveStack[ply];
    const int count = generateOrdered(moves, tableMove, ply);
    if (count == 0) return 0;
    const int searchedAtMost = !pvNode && depth <= LMP_MAX_DEPTH ? LMP_BASE + LMP_STEP * depth : count;
    const int32_t alphaAtStart = alpha;
    int32_t best = -STRONG_INFINITY;
    uint16_t bestKey = NO_TABLE_MOVE;
    for (int i = 0; i < count; ++i) {
        // Pruning late moves needs a searched move that does not lose.
        if (i >= searchedAtMost && best > -DECIDED_BOUND) break;
        pickNext(moves, count, i);
        const OrderedMove& o = moves[i];
        const Move m = buildMove(o.piece, o.direction);
        int32_t v;
        if (i == 0) {
            v = searchChild(m, depth - 1, alpha, beta, ply);
        } else {
            const int reduction = lateMoveReduction(o, i, depth, ply, pvNode);
            v = searchChild(m, depth - 1 - reduction, alpha, alpha + 1, ply);
            if (v > alpha && reduction > 0) v = searchChild(m, depth - 1, alpha, alpha + 1, ply);
            if (v > alpha && v < beta) v = searchChild(m, depth - 1, alpha, beta, ply);
        }
        if (strongSearch.stopped) return 0;
        if (v > best) {
            best = v;
            if (v > alpha) {
                alpha = v;
                bestKey = o.key;
                if (pvNode) extendLine(ply, m);
                if (v >= beta) {
                    rewardCutoff(moves, i, depth, ply);
                    break;
                }
            }
        }
    }
    const Bound bound = best >= beta ? BOUND_LOWER : best > alphaAtStart ? BOUND_EXACT : BOUND_UPPER;
    if (useTable) storeTable(*strongSearch.table, key, scoreToTable(best, ply), evaluation, bestKey, depth, bound);
    return best;
}

void startVariation(const Move& first) {
    rootVariation.moves[0] = first;
    rootVariation.length = 1;
}

int32_t searchRoot(RootMove* moves, int count, int depth, int32_t alpha, int32_t beta, bool progress) {
    int32_t best = -STRONG_INFINITY;
    for (int i = 0; i < count; ++i) {
        const Move m = moves[i].move;
        if (progress) showRootMove(i + 1, m, depth);
        int32_t v;
        if (i == 0) {
            v = searchChild(m, depth - 1, alpha, beta, 0);
        } else {
            v = searchChild(m, depth - 1, alpha, alpha + 1, 0);
            if (v > alpha && v < beta) v = searchChild(m, depth - 1, alpha, beta, 0);
        }
        if (strongSearch.stopped) break;  // the value of an interrupted search means nothing
        moves[i].score = v;
        if (v > best) {
            best = v;
            if (v > alpha) {
                alpha = v;
                std::rotate(moves, moves + i, moves + i + 1);  // the best so far leads
                extendLine(0, m);
                rootVariation = lineBelow[0];
                if (v >= beta) break;
            }
        }
    }
    return best;
}

int32_t searchRootNoisy(RootMove* moves, int count, int depth, int32_t margin) {
    int32_t best = -STRONG_INFINITY;
    for (int i = 0; i < count; ++i) {
        // Below best - margin a move cannot be chosen, however its noise falls: a bound is enough.
        const int32_t floor = i == 0 ? -STRONG_INFINITY : best - margin;
        const int32_t v = searchChild(moves[i].move, depth - 1, floor, STRONG_INFINITY, 0);
        if (strongSearch.stopped) break;
        moves[i].score = v;
        best = std::max(best, v);
    }
    return best;
}
