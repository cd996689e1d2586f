#include "moves/evaluate.h"

#include <algorithm>

#include "position/game_state.h"
#include "position/toolkit.h"

namespace {

constexpr int MAX_GAP_COST = 14;     // no projection costs more; also the first bound of the search
constexpr int32_t SINK_CAPACITY = 64;  // room behind the last run, never filled within the bound

// Work array of one projection: run k at index 2k, gap k (width, at least 1) at index 2k - 1, the
// sink at 2m + 1. With at least one empty line between runs, m + 1 <= (L + 1) / 2, so 47 entries
// cover every projection of a 16 x 16 board.
constexpr int WORK_SIZE = 47;

inline int32_t runAt(const int32_t* work, int k) { return work[2 * k]; }
inline int32_t gapAt(const int32_t* work, int k) { return work[2 * k - 1]; }

// closingCost() finishes c(t) for one t: phase 1 has moved `moved` pieces and stopped in gap g with
// `room` left. Phase 2 empties runs from the right end into the gaps until the gap being filled
// lies right of the run being emptied. Returns c(t), or `best` as soon as c(t) cannot beat it.
int closingCost(const int32_t* work, int m, int g, int32_t room, int moved, int best) {
    int r = m;
    int32_t pieces = runAt(work, m);
    while (g <= r) {
        const int32_t take = std::min(pieces, room);
        moved += take;
        if (moved >= best) return best;
        room -= take;
        pieces -= take;
        if (room == 0) room = gapAt(work, ++g);
        if (pieces == 0) pieces = runAt(work, --r);
    }
    return moved;
}

// cheapestClosing() returns min(14, c(0), ..., c(m)), where t is the first run that stays in
// place. Phase 1 of c(t) moves every piece of runs 0..t-1, so its cost only grows with t: once it
// reaches the best cost no later t can win and the search ends.
int cheapestClosing(const int32_t* work, int m) {
    int best = MAX_GAP_COST;
    int32_t leftPieces = 0;  // pieces of runs 0..t-1
    for (int t = 0; t <= m; ++t) {
        if (t > 0) leftPieces += runAt(work, t - 1);
        if (leftPieces >= best) return best;
        // Phase 1: the left pieces fill gap t+1, t+2, ..., then the sink; find where they stop.
        int g = t + 1;
        int32_t room = gapAt(work, g);
        int32_t spill = leftPieces;
        while (spill >= room) {  // ends at the sink at the latest, whose room exceeds any spill
            spill -= room;
            room = gapAt(work, ++g);
        }
        best = closingCost(work, m, g, room - spill, leftPieces, best);
    }
    return best;
}

}  // namespace

// projectionGapCost() measures how many piece moves close the gaps of one projection of a side:
// the occupied lines are cut into runs, empty stretches narrower than the divisor vanish (a chain
// of touching pieces can step over them) and the cheapest way of filling the rest is returned,
// capped at 14. The opponent's pieces on the band from the first to the last occupied line are
// added to `obstruction`.
int projectionGapCost(const int32_t* own, const int32_t* opponent, int lineCount, int divisor) {
    int first = 0;
    while (first < lineCount && own[first] == 0) ++first;
    if (first == lineCount) return 0;
    int last = lineCount - 1;
    while (own[last] == 0) --last;

    int32_t work[WORK_SIZE];
    int32_t blocked = 0;
    int32_t run = 0;
    int empty = 0;
    int m = 0;
    for (int i = first; i <= last; ++i) {
        blocked += opponent[i];
        const int32_t here = own[i];
        if (here == 0) {
            ++empty;
            continue;
        }
        if (empty >= divisor) {  // a gap of width empty / divisor closes the current run
            work[2 * m] = run;
            work[2 * m + 1] = empty / divisor;
            ++m;
            run = 0;
        }
        empty = 0;
        run += here;
    }
    work[2 * m] = run;
    game.obstruction += blocked;

    if (m == 0) return game.groupCountCopy / 2;
    work[2 * m + 1] = SINK_CAPACITY;
    return cheapestClosing(work, m);
}

// connectionDistance() is the largest gap cost over the eight projections of side's pieces; each
// projection also adds the opponent pieces inside side's band to `obstruction`.
int connectionDistance(int side) {
    const int other = side ^ 1;
    const int n = game.boardSize;
    const int straightLines = n, diagonalLines = 2 * n - 1, knightLines = 3 * n - 2;
    game.groupCountCopy = game.groupCount[side];

    int cost = projectionGapCost(game.sideColCount[side], game.sideColCount[other], straightLines, 1);
    cost = std::max(cost, projectionGapCost(game.sideRowCount[side], game.sideRowCount[other],
                                            straightLines, 1));
    cost = std::max(cost, projectionGapCost(game.sideAntiDiagCount[side],
                                            game.sideAntiDiagCount[other], diagonalLines, 2));
    cost = std::max(cost, projectionGapCost(game.sideDiagCount[side], game.sideDiagCount[other],
                                            diagonalLines, 2));
    cost = std::max(cost, projectionGapCost(game.side2ColMinusRowCount[side],
                                            game.side2ColMinusRowCount[other], knightLines, 3));
    cost = std::max(cost, projectionGapCost(game.sideRowPlus2ColCount[side],
                                            game.sideRowPlus2ColCount[other], knightLines, 3));
    cost = std::max(cost, projectionGapCost(game.side2RowPlusColCount[side],
                                            game.side2RowPlusColCount[other], knightLines, 3));
    cost = std::max(cost, projectionGapCost(game.side2RowMinusColCount[side],
                                            game.side2RowMinusColCount[other], knightLines, 3));
    return cost;
}

// evaluate() scores the position for the side that made the last move (P); Q is to move. A side
// whose pieces form one group has won, the mover first if both are. Otherwise each step of
// connection distance weighs 1024, each obstructing enemy piece 512 and each legal move 1.
// Every 65536th call lets the toolkit run its pending events, which keeps the window alive and
// lets the think time-out fire during a long search.
int32_t evaluate() {
    if ((++game.evaluationCount & 0xFFFFu) == 0) toolkit.processEvents();
    game.obstruction = 0;

    const int q = game.sideToMove;
    const int p = q ^ 1;
    if (game.groupCount[0] == 1 || game.groupCount[1] == 1) {
        // A larger remaining depth means the game ended sooner: quick wins score higher.
        const int32_t decided = WIN_SCORE + 512 * game.remainingDepth;
        if (game.groupCount[p] == 1) return decided + game.groupCount[q];
        return -(decided + game.groupCount[p]);
    }

    const int distanceP = connectionDistance(p);
    game.obstruction = -game.obstruction;
    const int distanceQ = connectionDistance(q);  // obstruction is now oQ - oP
    return 512 * (game.obstruction + 2 * (distanceQ - distanceP)) + game.sideMoveCount[p] -
           game.sideMoveCount[q];
}
