// The measures of a side's position that the strong player's evaluation weighs, each worked out by
// a file of its own: the classic connection distance and obstruction (moves/evaluate.h), the kinds of
// moves (strong/mobility.h), the groups and quads (strong/quads.h), and how the pieces gather
// (strong/concentration.h). The evaluation is a weighted sum of their differences between the two
// sides; a tuning run finds the weights from games.
#pragma once

#include <cstdint>

enum Term {
    TERM_DISTANCE,          // connection distance: moves still needed to join the pieces (0..32)
    TERM_OBSTRUCTION,       // enemy pieces inside the bands of lines of the side's pieces
    TERM_MOVES,             // legal moves
    TERM_CAPTURES,          // legal moves that capture
    TERM_EDGE_MOVES,        // legal moves that land on the board's edge
    TERM_GROUPS,            // groups of touching pieces
    TERM_SPREAD,            // 16 x mean squared distance from the centre of mass
    TERM_CONCENTRATION,     // 16 x mean king distance from it beyond the least possible
    TERM_DECENTRALISATION,  // 16 x mean king distance from the board's middle
    TERM_CENTRE_OFFSET,     // 16 x king distance of the centre of mass from the board's middle
    TERM_EULER,             // 4 x Euler number: groups less holes, from the quads
    TERM_SOLID_QUADS,       // 2 x 2 windows with three or four of the side's pieces
    TERM_TOUCHING,          // pairs of the side's pieces that touch
    TERM_AREA,              // squares of the rectangle the pieces span
    TERM_COUNT
};

struct SideTerms {
    int32_t value[TERM_COUNT];
};

// termBit() is the term's bit in a set of terms; ALL_TERMS holds every term.
constexpr uint32_t termBit(int term) { return uint32_t{1} << term; }
constexpr uint32_t ALL_TERMS = (uint32_t{1} << TERM_COUNT) - 1;

// measureTerms() measures the terms of the side in `wanted` in the position as it is; the others are
// 0. A term of no weight costs nothing in the search.
// The terms of the side's own pieces alone are kept by the arrangement of those pieces, for the next
// time it comes up.
SideTerms measureTerms(int side, uint32_t wanted);

// measureTermsAfresh() measures them all again, without what was kept: the twin that the tests
// compare measureTerms() with.
SideTerms measureTermsAfresh(int side, uint32_t wanted);

// termName() is the term's name, as the tuning run writes it: "distance", "obstruction", ...
const char* termName(int term);
