// The strong player's think: iterative deepening over every depth with aspiration windows around the
// last value, within a depth limit and, in timed mode, a time limit that it honours closely and
// without starting an iteration it cannot finish. Each side has a transposition table of its own, so
// that two strong players in one process never share what they learnt.
#pragma once

#include <cstdint>

#include "position/move.h"

// What a think has found when an iteration of its deepening completes.
struct StrongIteration {
    int32_t depth;               // of the iteration
    int32_t score;               // of the best move, for the side to move
    uint64_t nodes;              // positions visited since the think began
    double seconds;              // since the think began
    const Variation* variation;  // the line expected, starting with the best move
};

struct StrongRequest {
    int32_t depthLimit;       // plies, 1 or more
    double seconds;           // time limit; 0 or less: a fixed-depth search, reproducible; infinity: none
    int32_t noise;            // 0, or the largest random amount added to a root move's value
    uint64_t seed;            // of that noise, with the position
    const uint8_t* stopFlag;  // set from outside to stop the think (the time-out)
    bool progress;            // report the root move and the depth to the toolkit
    // Called after every completed iteration, when not null, with the position as the think found it.
    void (*onIteration)(const StrongIteration& iteration) = nullptr;
    // A timed think that goes on with one stopped on the same position: what the table and the move
    // order hold is not aged, as if the think had never stopped.
    bool continuing = false;
};

struct StrongResult {
    bool found;          // false when the side to move has no legal move
    Move move;           // its score is the value found for it
    uint64_t nodes;      // positions visited
    int32_t depth;       // of the last completed iteration
    Variation variation; // the line expected, starting with `move`; empty when nothing was found
};

// strongThink() chooses a move for the side to move. A fixed-depth think (no time limit) starts from
// an empty table and empty move-order tables, so that its move, score and node count are the same on
// every run; a timed think keeps what earlier thinks of its side learnt. The first iteration always
// finishes, so that even a think stopped at once plays a searched move.
StrongResult strongThink(const StrongRequest& request);

// prepareStrongThink() makes the side's table ready, so that its first use does not eat into a
// think's time: a caller that arms a time-out calls it before.
void prepareStrongThink(int side);

// strongNewGame() forgets everything learnt: both sides' tables and the move order.
void strongNewGame();

// setStrongTableMegabytes() sets the size of each side's table, from the next think on (1 to
// MAX_TABLE_MEGABYTES; DEFAULT_TABLE_MEGABYTES until it is called). A size beyond a quarter of the
// machine's memory is brought down to that: a table the machine cannot hold would end the process.
void setStrongTableMegabytes(int megabytes);
// setStrongTableCeiling() lowers that ceiling, for a process that must stay small (a fuzzer).
void setStrongTableCeiling(int megabytes);
