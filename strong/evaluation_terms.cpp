#include "strong/evaluation_terms.h"

#include <initializer_list>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "strong/concentration.h"
#include "strong/mobility.h"
#include "strong/quads.h"

namespace {

// The terms that depend on the side's own pieces alone: the quads, the touching pairs and the
// concentration. In a search the same arrangement of a side's pieces comes back under many
// moves of the other side, so these are kept by the set of squares that decides them (its key and
// the board size), a slot of a small table per side for each arrangement.
constexpr uint32_t OWN_TERMS = termBit(TERM_SPREAD) | termBit(TERM_CONCENTRATION) | termBit(TERM_DECENTRALISATION) |
                               termBit(TERM_CENTRE_OFFSET) | termBit(TERM_AREA) | termBit(TERM_EULER) |
                               termBit(TERM_SOLID_QUADS) | termBit(TERM_TOUCHING);
constexpr int OWN_SLOTS = 4096;  // per side, a power of two

struct OwnTerms {
    uint64_t key;  // the side's sideSquaresKey; 0 with boardSize 0: no arrangement yet
    int32_t boardSize;
    uint32_t measured;  // the terms measured for it
    int32_t value[TERM_COUNT];
};

OwnTerms ownTerms[2][OWN_SLOTS];

constexpr bool anyOf(uint32_t wanted, std::initializer_list<int> terms) {
    for (int term : terms)
        if (wanted & termBit(term)) return true;
    return false;
}

// measureOwnTerms() measures the wanted terms of the side's own pieces into t, in families that one
// pass measures together: a family is measured when any of its terms is wanted.
void measureOwnTerms(int side, uint32_t wanted, SideTerms& t) {
    if (anyOf(wanted, {TERM_SPREAD, TERM_CONCENTRATION, TERM_DECENTRALISATION, TERM_CENTRE_OFFSET, TERM_AREA})) {
        const Concentration c = measureConcentration(side);
        t.value[TERM_SPREAD] = c.spread;
        t.value[TERM_CONCENTRATION] = c.concentration;
        t.value[TERM_DECENTRALISATION] = c.decentralisation;
        t.value[TERM_CENTRE_OFFSET] = c.centreOffset;
        t.value[TERM_AREA] = c.area;
    }
    if (anyOf(wanted, {TERM_EULER, TERM_SOLID_QUADS})) {
        const QuadCounts q = countQuads(side);
        t.value[TERM_EULER] = eulerTimesFour(q);
        t.value[TERM_SOLID_QUADS] = q.three + q.four;
    }
    if (wanted & termBit(TERM_TOUCHING)) t.value[TERM_TOUCHING] = touchingPairs(side);
}

// measureSharedTerms() measures the terms that depend on both sides' pieces, and the counts the
// position keeps.
SideTerms measureSharedTerms(int side, uint32_t wanted) {
    SideTerms t{};
    game.obstruction = 0;
    t.value[TERM_DISTANCE] = connectionDistance(side);
    t.value[TERM_OBSTRUCTION] = game.obstruction;
    t.value[TERM_MOVES] = game.sideMoveCount[side];
    t.value[TERM_CAPTURES] = game.sideCaptureCount[side];
    t.value[TERM_GROUPS] = game.groupCount[side];
    if (wanted & termBit(TERM_EDGE_MOVES)) t.value[TERM_EDGE_MOVES] = edgeMoves(side);
    return t;
}

}  // namespace

SideTerms measureTermsAfresh(int side, uint32_t wanted) {
    SideTerms t = measureSharedTerms(side, wanted);
    measureOwnTerms(side, wanted & OWN_TERMS, t);
    return t;
}

SideTerms measureTerms(int side, uint32_t wanted) {
    SideTerms t = measureSharedTerms(side, wanted);
    const uint32_t own = wanted & OWN_TERMS;
    if (own == 0) return t;
    const uint64_t key = game.sideSquaresKey[side];
    OwnTerms& slot = ownTerms[side][key & (OWN_SLOTS - 1)];
    if (slot.key != key || slot.boardSize != game.boardSize || (slot.measured & own) != own) {
        SideTerms fresh{};
        measureOwnTerms(side, own, fresh);
        slot.key = key;
        slot.boardSize = game.boardSize;
        slot.measured = own;
        for (int k = 0; k < TERM_COUNT; ++k) slot.value[k] = fresh.value[k];
    }
    for (int k = 0; k < TERM_COUNT; ++k)
        if (own & termBit(k)) t.value[k] = slot.value[k];
    return t;
}

const char* termName(int term) {
    static const char* const names[TERM_COUNT] = {
        "distance", "obstruction",      "moves",         "captures", "edge_moves", "groups",   "spread",
        "concentration", "decentralisation", "centre_offset", "euler",    "solid_quads", "touching", "area"};
    return term >= 0 && term < TERM_COUNT ? names[term] : "";
}
