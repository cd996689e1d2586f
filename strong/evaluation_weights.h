// The weights of the strong player's evaluation, in evaluation units (1024 for a step of connection
// distance) per unit of each term (strong/evaluation_terms.h), and the bonus of the side to move.
#pragma once

#include <cstdint>

#include "strong/evaluation_terms.h"

constexpr int32_t TEMPO_WEIGHT = 2000;
constexpr int32_t TERM_WEIGHTS[TERM_COUNT] = {
    -1024,  // distance
    -512,   // obstruction
    1,      // moves
    0,      // captures
    0,      // edge_moves
    0,      // groups
    -64,    // spread
    0,      // concentration
    0,      // decentralisation
    0,      // centre_offset
    0,      // euler
    0,      // solid_quads
    0,      // touching
    0,      // area
};

// WEIGHTED_TERMS is the set of terms of some weight: the search measures only these.
constexpr uint32_t weightedTerms() {
    uint32_t terms = 0;
    for (int k = 0; k < TERM_COUNT; ++k)
        if (TERM_WEIGHTS[k] != 0) terms |= termBit(k);
    return terms;
}
constexpr uint32_t WEIGHTED_TERMS = weightedTerms();
