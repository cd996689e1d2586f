#include "moves/evaluate.h"

#include <algorithm>
#include <string>

#include "position/game_state.h"
#include "position/toolkit.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// reaches the best cost no later t can win and the search ends. It also ends, with a value of at
// most `floor`, as soon as the best cost is down to `floor`: the caller needs no smaller value.
int cheapestClosing(const int32_t* work, int m, int floor) {
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
        if (best <= floor) return best;
    }
    return best;
}

// occupiedLines() returns bit i set for every line i (of at most 46) that holds an own piece.
inline uint64_t occupiedLines(const int32_t* own, int lineCount) {
    uint64_t mask = 0;
    for (int i = 0; i < lineCount; ++i) mask |= static_cast<uint64_t>(own[i] != 0) << i;
    return mask;
}

// sumRange() is counts[first] + ... + counts[last].
inline int32_t sumRange(const int32_t* counts, int first, int last) {
    int32_t sum = 0;
    for (int i = first; i <= last; ++i) sum += counts[i];
    return sum;
}

struct Staircases {
    uint8_t up[96];    // 0 below index 48, 0xFF from 48 on
    uint8_t down[96];  // 0xFF below index 48, 0 from 48 on
    constexpr Staircases() : up(), down() {
        for (int i = 0; i < 96; ++i) {
            up[i] = i >= 48 ? 0xFF : 0;
            down[i] = i < 48 ? 0xFF : 0;
        }
    }
};
alignas(16) constexpr Staircases staircases;

// The same over the 48 bytes of a projection of the position: every byte is masked by whether its
// line lies in the range, the masks being windows on the staircases, so the sum takes three vector
// steps and no branch. The byte sums cannot overflow, as a side has at most 64 pieces. Written
// with SSE2 where there is SSE2 (every x86-64), so that builds which do not vectorise loops, such
// as the sanitizer build, stay fast too; elsewhere the compiler vectorises the plain loop.
inline int32_t sumRange(const uint8_t* counts, int first, int last) {
    const uint8_t* fromFirst = staircases.up + 48 - first;  // byte i is 0xFF when i >= first
    const uint8_t* toLast = staircases.down + 47 - last;    // byte i is 0xFF when i <= last
#if defined(__SSE2__)
    __m128i sums = _mm_setzero_si128();
    for (int i = 0; i < 48; i += 16) {
        const __m128i inRange = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(fromFirst + i)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(toLast + i)));
        sums = _mm_add_epi8(sums, _mm_and_si128(inRange, _mm_loadu_si128(reinterpret_cast<const __m128i*>(counts + i))));
    }
    sums = _mm_sad_epu8(sums, _mm_setzero_si128());  // the byte sums of each half
    return _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
#else
    uint8_t sum = 0;
    for (int i = 0; i < 48; ++i) sum += counts[i] & fromFirst[i] & toLast[i];
    return sum;
#endif
}

// bandSum() is the sum of the counts from the lowest to the highest line of `lines`, 0 when
// `lines` is empty.
template <typename Count>
inline int32_t bandSum(const Count* counts, uint64_t lines) {
    if (lines == 0) return 0;
    return sumRange(counts, __builtin_ctzll(lines), 63 - __builtin_clzll(lines));
}

// gapCost() is the cost part of projectionGapCost for a divisor known at compile time, given the
// projection's occupied lines as a bit mask. The gaps are the stretches of at least Divisor empty
// lines inside the band, found with shifts; a band without one (the common case) costs half the
// groups at once. Otherwise each gap is found from its first line and its run of empty lines, and
// the runs between the gaps are summed from the counts. Once the cheapest closing is known to be
// at most `floor`, its exact value no longer matters to the caller, which keeps the largest cost,
// and the search for it stops.
template <int Divisor, typename Count>
int gapCost(const Count* own, uint64_t lines, int floor = -1) {
    if (lines == 0) return 0;
    const int first = __builtin_ctzll(lines);
    const int last = 63 - __builtin_clzll(lines);
    const uint64_t empty = ~lines & ((uint64_t{2} << last) - (uint64_t{1} << first));
    uint64_t wide = empty;  // bit i: lines i .. i + Divisor - 1 are all empty
    if (Divisor >= 2) wide &= empty >> 1;
    if (Divisor >= 3) wide &= empty >> 2;
    if (wide == 0) return game.groupCountCopy / 2;
    if (floor >= MAX_GAP_COST) return MAX_GAP_COST;  // no cost exceeds the cap

    int32_t work[WORK_SIZE];
    int m = 0;
    int runStart = first;
    int32_t pieces = 0, largestRun = 0;
    for (uint64_t gapStarts = wide & ~(wide << 1); gapStarts != 0; gapStarts &= gapStarts - 1) {
        const int gapStart = __builtin_ctzll(gapStarts);
        const int width = __builtin_ctzll(~(empty >> gapStart));  // the empty lines from gapStart on
        const int32_t run = sumRange(own, runStart, gapStart - 1);
        pieces += run;
        largestRun = std::max(largestRun, run);
        work[2 * m] = run;
        work[2 * m + 1] = width / Divisor;
        ++m;
        runStart = gapStart + width;
    }
    const int32_t lastRun = sumRange(own, runStart, last);
    // c(t) moves no piece of run t, so no cost exceeds the pieces outside the largest run.
    if (pieces + lastRun - std::max(largestRun, lastRun) <= floor) return floor;
    work[2 * m] = lastRun;
    work[2 * m + 1] = SINK_CAPACITY;
    return cheapestClosing(work, m, floor);
}

// obstructionOf() counts the opponent pieces inside side's band of each of the eight projections.
int32_t obstructionOf(int side) {
    const uint64_t* lines = game.sideOccupiedLines[side];
    const uint8_t(&opponent)[PROJECTION_COUNT][48] = game.sideLineBytes[side ^ 1];
    int32_t sum = 0;
    for (int k = 0; k < PROJECTION_COUNT; ++k) sum += bandSum(opponent[k], lines[k]);
    return sum;
}

// largestGapCost() is the largest gap cost over the eight projections of side's pieces, computed
// afresh. groupCountCopy must hold the side's group count. The largest cost so far is passed on:
// no projection below it can change the result.
int largestGapCost(int side) {
    const uint64_t* lines = game.sideOccupiedLines[side];
    const uint8_t(&own)[PROJECTION_COUNT][48] = game.sideLineBytes[side];
    int cost = gapCost<1>(own[PROJ_COLS], lines[PROJ_COLS]);
    cost = std::max(cost, gapCost<1>(own[PROJ_ROWS], lines[PROJ_ROWS], cost));
    cost = std::max(cost, gapCost<2>(own[PROJ_ANTI_DIAGS], lines[PROJ_ANTI_DIAGS], cost));
    cost = std::max(cost, gapCost<2>(own[PROJ_DIAGS], lines[PROJ_DIAGS], cost));
    for (int k = PROJ_2COL_MINUS_ROW; k < PROJECTION_COUNT; ++k)
        cost = std::max(cost, gapCost<3>(own[k], lines[k], cost));
    return cost;
}

// Connection distances already worked out, each with the set of squares and the board size that
// decide it. In a search the same arrangement of one side recurs under many different moves of the
// other, and its distance is then found here instead of worked out again. A slot is chosen by the
// set's key and holds the last distance stored in it; the full set is compared, so a distance found
// is always that of the set. Both sides share the table: the same squares give the same distance.
struct KnownDistance {
    uint64_t squares[4];
    int32_t boardSize;  // 0 while the slot is empty
    int32_t distance;
};
constexpr int KNOWN_DISTANCE_SLOTS = 4096;
KnownDistance knownDistances[KNOWN_DISTANCE_SLOTS];

KnownDistance& slotOf(int side) {
    return knownDistances[game.sideSquaresKey[side] & (KNOWN_DISTANCE_SLOTS - 1)];
}

bool holdsSquaresOf(const KnownDistance& known, int side) {
    const uint64_t* squares = game.sideSquares[side];
    return known.boardSize == game.boardSize && known.squares[0] == squares[0] &&
           known.squares[1] == squares[1] && known.squares[2] == squares[2] && known.squares[3] == squares[3];
}

// distanceOf() is largestGapCost(side), from the table when it is there, else worked out and stored.
int distanceOf(int side) {
    KnownDistance& known = slotOf(side);
    if (holdsSquaresOf(known, side)) return known.distance;
    known.distance = largestGapCost(side);
    known.boardSize = game.boardSize;
    for (int w = 0; w < 4; ++w) known.squares[w] = game.sideSquares[side][w];
    return known.distance;
}

}  // namespace

// projectionGapCost() measures how many piece moves close the gaps of one projection of a side:
// the occupied lines are cut into runs, empty stretches narrower than the divisor vanish (a chain
// of touching pieces can step over them) and the cheapest way of filling the rest is returned,
// capped at 14. The opponent's pieces on the band from the first to the last occupied line are
// added to `obstruction`. Divisors are 1, 2 or 3; lineCount is at most 46.
int projectionGapCost(const int32_t* own, const int32_t* opponent, int lineCount, int divisor) {
    const uint64_t lines = occupiedLines(own, lineCount);
    game.obstruction += bandSum(opponent, lines);
    switch (divisor) {
        case 1: return gapCost<1>(own, lines);
        case 2: return gapCost<2>(own, lines);
        default: return gapCost<3>(own, lines);
    }
}

// connectionDistance() is the largest gap cost over the eight projections of side's pieces; each
// projection also adds the opponent pieces inside side's band to `obstruction`. The distance
// depends only on the side's own tables, so it is kept until one of its pieces is placed or
// removed: in a search most evaluations follow a move of the other side. A new arrangement of the
// side's pieces is looked up among the distances already worked out.
int connectionDistance(int side) {
    game.groupCountCopy = game.groupCount[side];
    game.obstruction += obstructionOf(side);
    const uint64_t key = game.sideChangeCount[side] + 1;
    if (game.cachedDistanceKey[side] != key) {
        game.cachedDistance[side] = distanceOf(side);
        game.cachedDistanceKey[side] = key;
    }
    return game.cachedDistance[side];
}

// distanceCacheFault() compares each side's kept connection distance, where one is kept for the
// position as it is, and the distance that the table of known distances holds for the side's
// squares, where it holds one, with the distance computed afresh. It leaves every value of the
// evaluation and the table as they were.
std::string distanceCacheFault() {
    const int32_t groupCountCopy = game.groupCountCopy;
    std::string fault;
    const auto compare = [&fault](const char* what, int side, int32_t kept, int fresh) {
        if (fault.empty() && kept != fresh)
            fault = std::string(what) + " connection distance of side " + std::to_string(side) + ": " +
                    std::to_string(kept) + ", computed afresh " + std::to_string(fresh);
    };
    for (int side = 0; side < 2 && fault.empty(); ++side) {
        game.groupCountCopy = game.groupCount[side];
        const int fresh = largestGapCost(side);
        if (game.cachedDistanceKey[side] == game.sideChangeCount[side] + 1)
            compare("kept", side, game.cachedDistance[side], fresh);
        const KnownDistance& known = slotOf(side);
        if (holdsSquaresOf(known, side)) compare("known", side, known.distance, fresh);
    }
    game.groupCountCopy = groupCountCopy;
    return fault;
}

// evaluate() scores the position for the side that made the last move (P); Q is to move. A side
// whose pieces form one group has won, the mover first if both are. Otherwise each step of
// connection distance weighs DISTANCE_WEIGHT, each obstructing enemy piece OBSTRUCTION_WEIGHT and
// each legal move 1.
// Every 65536th call lets the toolkit run its pending events, which keeps the window alive and
// lets the think time-out fire during a long search.
int32_t evaluate() {
    if ((++game.evaluationCount & 0xFFFFu) == 0) toolkit.processEvents();
    game.obstruction = 0;

    const int q = game.sideToMove;
    const int p = q ^ 1;
    if (game.groupCount[0] == 1 || game.groupCount[1] == 1) {
        // A larger remaining depth means the game ended sooner: quick wins score higher.
        const int32_t decided = WIN_SCORE + DECIDED_DEPTH_STEP * game.remainingDepth;
        if (game.groupCount[p] == 1) return decided + game.groupCount[q];
        return -(decided + game.groupCount[p]);
    }

    const int distanceP = connectionDistance(p);
    game.obstruction = -game.obstruction;
    const int distanceQ = connectionDistance(q);  // obstruction is now oQ - oP
    return DISTANCE_WEIGHT * (distanceQ - distanceP) + OBSTRUCTION_WEIGHT * game.obstruction +
           game.sideMoveCount[p] - game.sideMoveCount[q];
}
