// The strong player's search: principal-variation alpha-beta with the transposition table, pruning of
// positions that are clearly good enough (null move, reverse futility), late moves searched less
// deeply or, near the horizon, not at all, and decided positions scored by their distance from the
// root. It makes and takes back moves on the one position and leaves it as it found it.
#pragma once

#include <cstdint>

#include "moves/evaluate.h"
#include "position/move.h"
#include "strong/move_picker.h"
#include "table/transposition.h"

// Scores, from the side to move: undecided ones are the evaluation's; a position decided at `ply`
// plies from the root is worth winAt(ply) to the winner and -winAt(ply) to the loser, so that a
// quicker win and a slower loss score higher. All lie within +-STRONG_INFINITY.
constexpr int32_t STRONG_INFINITY = 2147483647;
constexpr int32_t winAt(int ply) { return WIN_SCORE + DECIDED_DEPTH_STEP * (STRONG_MAX_PLY - ply); }

// Quiescence: at the horizon the side to move may still play, this many plies deep, the captures that
// join groups of its own or split the enemy's (and so every capture that connects it), for these are
// the moves whose effect a static evaluation cannot see. Every other position is judged as it stands.
constexpr int QUIESCENCE_PLIES = 1;

// What one search needs and what it counts. The search stops early, returning values that the caller
// must not use, once `stopped` is set: when `mayStop` allows it and the stop flag or the clock says so.
struct StrongSearch {
    TranspositionTable* table;
    const uint8_t* stopFlag;  // the think's stopRequested
    uint64_t nodes;           // positions visited
    bool mayStop;             // false while the first iteration runs: it always finishes
    bool stopped;
    int quiescencePlies = QUIESCENCE_PLIES;  // 0: the horizon is judged as it stands
};

extern StrongSearch strongSearch;

// A root move with the value of its last search.
struct RootMove {
    Move move;
    int32_t score;
};

static_assert(MAX_VARIATION >= STRONG_MAX_PLY, "a variation holds the deepest line of a search");

// rootVariation is the line the search expects from the root: the front root move, then the replies
// that the search found best below it, as far as it followed them. searchRoot() keeps it whenever a
// new move comes to the front; startVariation() makes it the line of one move.
extern Variation rootVariation;
void startVariation(const Move& first);

// searchRoot() searches the root moves to `depth` plies within (alpha, beta), best first, and moves
// the best one to the front as soon as it is found, with its line into rootVariation. Returns the
// best value, fail-soft. `progress` reports each root move to the toolkit as it is searched.
int32_t searchRoot(RootMove* moves, int count, int depth, int32_t alpha, int32_t beta, bool progress);

// searchRootNoisy() values every root move within `margin` of the best exactly, for a choice among
// the moves near the best; a move further below keeps an upper bound. Returns the best value.
int32_t searchRootNoisy(RootMove* moves, int count, int depth, int32_t margin);

// alphaBeta() is the value of the position for the side to move, searched to `depth` plies at `ply`
// plies from the root, fail-soft within (alpha, beta).
int32_t alphaBeta(int depth, int32_t alpha, int32_t beta, int ply, bool nullMoveAllowed);
