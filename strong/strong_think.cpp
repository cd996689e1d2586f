#include "strong/strong_think.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <unistd.h>

#include "position/game_state.h"
#include "position/position_key.h"
#include "strong/move_picker.h"
#include "strong/strong_search.h"
#include "table/transposition.h"
#include "timing/time_use.h"

namespace {

// Aspiration: from this depth on, an iteration first searches a window of +-ASPIRATION_WINDOW around
// the last value, widened fourfold on the side where it fails.
constexpr int ASPIRATION_MIN_DEPTH = 4;
constexpr int32_t ASPIRATION_WINDOW = DISTANCE_WEIGHT / 2;

// tableCeiling() is the most megabytes a side's table gets: a quarter of the machine's memory, so
// that two tables never take more than half of it, whatever was asked.
int tableCeiling() {
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return MAX_TABLE_MEGABYTES;
    const long long quarter = static_cast<long long>(pages) * pageSize / 4 / (1024 * 1024);
    return static_cast<int>(std::clamp<long long>(quarter, 1, MAX_TABLE_MEGABYTES));
}

struct StrongPlayer {
    TranspositionTable tables[2];  // one per side
    int tableMegabytes = DEFAULT_TABLE_MEGABYTES;
    int ceiling = tableCeiling();
    RootMove rootMoves[MAX_MOVES];
    OrderedMove rootOrder[MAX_MOVES];
};

StrongPlayer strong;

// tableOf() is the side's table, made or resized to the size asked for before the search needs it.
// Without the memory for it, the table makes do with a megabyte.
TranspositionTable& tableOf(int side) {
    TranspositionTable& table = strong.tables[side];
    if (table.bucketCount != bucketsWithin(strong.tableMegabytes) && !prepareTable(table, strong.tableMegabytes))
        prepareTable(table, 1);
    return table;
}

// rootMovesInOrder() fills the root moves, in the order of the move picker with the table's move first.
int rootMovesInOrder(RootMove* roots) {
    const TableEntry* entry = probeTable(*strongSearch.table, positionKeyWithSide());
    OrderedMove* ordered = strong.rootOrder;
    const int count = generateOrdered(ordered, entry ? entry->move : NO_TABLE_MOVE, 0);
    for (int i = 0; i < count; ++i) {
        pickNext(ordered, count, i);
        roots[i] = {buildMove(ordered[i].piece, ordered[i].direction), -STRONG_INFINITY};
    }
    return count;
}

// searchAspirated() searches the root to `depth` in a window around the last value, widening it on
// the side that fails until the value lies inside.
int32_t searchAspirated(RootMove* roots, int count, int depth, int32_t last, bool progress) {
    if (depth < ASPIRATION_MIN_DEPTH || !isOrdinaryScore(last))
        return searchRoot(roots, count, depth, -STRONG_INFINITY, STRONG_INFINITY, progress);
    int64_t below = ASPIRATION_WINDOW, above = ASPIRATION_WINDOW;
    for (;;) {
        const int32_t alpha = static_cast<int32_t>(std::max<int64_t>(-STRONG_INFINITY, last - below));
        const int32_t beta = static_cast<int32_t>(std::min<int64_t>(STRONG_INFINITY, last + above));
        const int32_t v = searchRoot(roots, count, depth, alpha, beta, progress);
        if (strongSearch.stopped) return v;
        if (v <= alpha && alpha > -STRONG_INFINITY) below *= 4;
        else if (v >= beta && beta < STRONG_INFINITY) above *= 4;
        else return v;
    }
}

// sortByScore() orders the root moves by their last values, best first, equal values in their
// order: an insertion sort, which needs no memory of its own.
void sortByScore(RootMove* roots, int count) {
    for (int i = 1; i < count; ++i) {
        const RootMove moving = roots[i];
        int j = i;
        for (; j > 0 && roots[j - 1].score < moving.score; --j) roots[j] = roots[j - 1];
        roots[j] = moving;
    }
}

// noiseOf() is the random amount, 0..noise, that a root move gets: drawn from the seed, the position
// and the move, so that the same position and seed always give the same choice.
int32_t noiseOf(const Move& m, int32_t noise, uint64_t seed) {
    uint64_t x = seed ^ positionKeyWithSide() ^ (uint64_t{moveKey(m)} << 40);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    x ^= x >> 31;
    return static_cast<int32_t>(x % (static_cast<uint64_t>(noise) + 1));
}

// chooseWithNoise() puts the root move with the highest value plus noise first.
void chooseWithNoise(RootMove* roots, int count, int32_t noise, uint64_t seed) {
    int chosen = 0;
    int64_t chosenValue = 0;
    for (int i = 0; i < count; ++i) {
        const int64_t value = int64_t{roots[i].score} + noiseOf(roots[i].move, noise, seed);
        if (i == 0 || value > chosenValue) {
            chosen = i;
            chosenValue = value;
        }
    }
    std::rotate(roots, roots + chosen, roots + chosen + 1);
}

// isResolved() tells whether a decided value needs no deeper search: the decision lies within the
// depth already searched.
bool isResolved(int32_t value, int depth) {
    if (isOrdinaryScore(value)) return false;
    const int plies = STRONG_MAX_PLY - (std::abs(value) - WIN_SCORE) / DECIDED_DEPTH_STEP;
    return plies < depth;
}

}  // namespace

StrongResult strongThink(const StrongRequest& request) {
    const bool timed = request.seconds > 0;
    TranspositionTable& table = tableOf(game.sideToMove);
    if (timed && !request.continuing) {
        nextAge(table);
        ageMoveOrder();
    } else if (!timed) {
        clearTable(table);
        clearMoveOrder();
    }
    startThinkClock(timed ? request.seconds : 0);
    strongSearch = {&table, request.stopFlag, 0, false, false, QUIESCENCE_PLIES};

    StrongResult result{};
    RootMove* roots = strong.rootMoves;
    const int count = rootMovesInOrder(roots);
    if (count == 0) return result;
    result.found = true;
    result.move = roots[0].move;
    startVariation(roots[0].move);

    const int depthLimit = std::min<int>(request.depthLimit, STRONG_MAX_PLY - 1);
    int32_t value = 0;
    for (int depth = 1; depth <= depthLimit; ++depth) {
        if (depth > 1 && (*request.stopFlag || pastHardLimit())) break;
        const int32_t v = request.noise > 0 ? searchRootNoisy(roots, count, depth, request.noise)
                                            : searchAspirated(roots, count, depth, value, request.progress);
        strongSearch.mayStop = true;
        if (strongSearch.stopped) break;
        value = v;
        result.depth = depth;
        if (request.noise > 0) {
            sortByScore(roots, count);
            startVariation(roots[0].move);
        }
        if (request.onIteration)
            request.onIteration({depth, value, strongSearch.nodes, thinkSeconds(), &rootVariation});
        // A single legal move needs no deeper search, unless the think has no end: then its line is
        // what is wanted.
        if (isResolved(value, depth) || (timed && count == 1 && std::isfinite(request.seconds))) break;
        if (timed && !canStartIteration()) break;
    }
    if (request.noise > 0) {
        chooseWithNoise(roots, count, request.noise, request.seed);
        startVariation(roots[0].move);
    }
    // After a stopped iteration the front move is the best of that iteration's completed searches,
    // which began with the last iteration's best, and the line is that move's.
    result.move = roots[0].move;
    result.move.score = roots[0].score;
    result.nodes = strongSearch.nodes;
    result.variation = rootVariation;
    result.variation.moves[0] = result.move;
    return result;
}

void prepareStrongThink(int side) { tableOf(side); }

void strongNewGame() {
    for (TranspositionTable& table : strong.tables) clearTable(table);
    clearMoveOrder();
}

void setStrongTableMegabytes(int megabytes) {
    strong.tableMegabytes = std::clamp(megabytes, 1, std::min(MAX_TABLE_MEGABYTES, strong.ceiling));
}

void setStrongTableCeiling(int megabytes) {
    strong.ceiling = std::clamp(megabytes, 1, MAX_TABLE_MEGABYTES);
    strong.tableMegabytes = std::min(strong.tableMegabytes, strong.ceiling);
}
