// The weights of the strong player's evaluation, in evaluation units (1024 for a step of connection
// distance) per unit of each term (strong/evaluation_terms.h), and the bonus of the side to move.
// Written by tarnwick-tune, which scripts/tune-evaluation.sh runs on the strong player's own games:
// fitted to 66025 positions of 2002 games,
// predicting each game's result as 1 / (1 + exp(-value / 4611)); the mean squared error of the
// prediction went from 0.16391 with the weights before to 0.15548.
#pragma once

#include <cstdint>

#include "strong/evaluation_terms.h"

constexpr int32_t TEMPO_WEIGHT = 1810;
constexpr int32_t TERM_WEIGHTS[TERM_COUNT] = {
    -1,  // distance
    -358,  // obstruction
    259,  // moves
    328,  // captures
    -243,  // edge_moves
    -77,  // groups
    -67,  // spread
    -630,  // concentration
    203,  // decentralisation
    -43,  // centre_offset
    -173,  // euler
    164,  // solid_quads
    -165,  // touching
    111,  // area
};

// WEIGHTED_TERMS is the set of terms of some weight: the search measures only these.
constexpr uint32_t weightedTerms() {
    uint32_t terms = 0;
    for (int k = 0; k < TERM_COUNT; ++k)
        if (TERM_WEIGHTS[k] != 0) terms |= termBit(k);
    return terms;
}
constexpr uint32_t WEIGHTED_TERMS = weightedTerms();
