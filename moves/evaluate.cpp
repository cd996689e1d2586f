#include "moves/evaluate.h"

#include <algorithm>

#include "position/game_state.h"
#include "position/toolkit.h"

namespace {

constexpr int MAX_GAP_COST = 14;       // cap of the cost of closing gaps, the starting best cost
constexpr int32_t SINK_CAPACITY = 64;  // room behind the last run, never filled below the cap

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

// occupiedLines() returns bit i set for every line i (of at most 46) that holds an own piece.
inline uint64_t occupiedLines(const int32_t* own, int lineCount) {
    uint64_t mask = 0;
    for (int i = 0; i < lineCount; ++i) mask |= static_cast<uint64_t>(own[i] != 0) << i;
    return mask;
}

// gapCost() is projectionGapCost for a divisor known at compile time. It walks only the occupied
// lines, taken from a bit mask, so the empty lines cost nothing but the mask's one pass.
template <int Divisor>
int gapCost(const int32_t* own, const int32_t* opponent, int lineCount) {
    uint64_t lines = occupiedLines(own, lineCount);
    if (lines == 0) return 0;
    const int first = __builtin_ctzll(lines);
    const int last = 63 - __builtin_clzll(lines);

    int32_t blocked = 0;
    for (int i = first; i <= last; ++i) blocked += opponent[i];
    game.obstruction += blocked;

    int32_t work[WORK_SIZE];
    int m = 0;
    int previous = first;
    int32_t run = own[first];
    lines &= lines - 1;
    while (lines != 0) {
        const int line = __builtin_ctzll(lines);
        lines &= lines - 1;
        const int empty = line - previous - 1;
        previous = line;
        if (empty >= Divisor) {  // a gap of width empty / Divisor closes the current run
            work[2 * m] = run;
            work[2 * m + 1] = empty / Divisor;
            ++m;
            run = 0;
        }
        run += own[line];
    }
    work[2 * m] = run;

    if (m == 0) return game.groupCountCopy / 2;
    work[2 * m + 1] = SINK_CAPACITY;
    return cheapestClosing(work, m);
}

}  // namespace

// projectionGapCost() measures how many piece moves close the gaps of one projection of a side:
// the occupied lines are cut into runs, empty stretches narrower than the divisor vanish (a chain
// of touching pieces can step over them) and the cheapest way of filling the rest is returned,
// capped at 14. The opponent's pieces on the band from the first to the last occupied line are
// added to `obstruction`. Divisors are 1, 2 or 3; lineCount is at most 46.
int projectionGapCost(const int32_t* own, const int32_t* opponent, int lineCount, int divisor) {
    switch (divisor) {
        case 1: return gapCost<1>(own, opponent, lineCount);
        case 2: return gapCost<2>(own, opponent, lineCount);
        default: return gapCost<3>(own, opponent, lineCount);
    }
}

// connectionDistance() is the largest gap cost over the eight projections of side's pieces; each
// projection also adds the opponent pieces inside side's band to `obstruction`.
int connectionDistance(int side) {
    const int other = side ^ 1;
    const int n = game.boardSize;
    const int straightLines = n, diagonalLines = 2 * n - 1, knightLines = 3 * n - 2;
    game.groupCountCopy = game.groupCount[side];

    int cost = gapCost<1>(game.sideColCount[side], game.sideColCount[other], straightLines);
    cost = std::max(cost, gapCost<1>(game.sideRowCount[side], game.sideRowCount[other], straightLines));
    cost = std::max(cost, gapCost<2>(game.sideAntiDiagCount[side], game.sideAntiDiagCount[other],
                                     diagonalLines));
    cost = std::max(cost, gapCost<2>(game.sideDiagCount[side], game.sideDiagCount[other], diagonalLines));
    cost = std::max(cost, gapCost<3>(game.side2ColMinusRowCount[side],
                                     game.side2ColMinusRowCount[other], knightLines));
    cost = std::max(cost, gapCost<3>(game.sideRowPlus2ColCount[side],
                                     game.sideRowPlus2ColCount[other], knightLines));
    cost = std::max(cost, gapCost<3>(game.side2RowPlusColCount[side],
                                     game.side2RowPlusColCount[other], knightLines));
    cost = std::max(cost, gapCost<3>(game.side2RowMinusColCount[side],
                                     game.side2RowMinusColCount[other], knightLines));
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
