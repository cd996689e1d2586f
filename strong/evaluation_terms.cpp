#include "strong/evaluation_terms.h"

#include <initializer_list>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "strong/concentration.h"
#include "strong/mobility.h"
#include "strong/quads.h"

namespace {

constexpr bool anyOf(uint32_t wanted, std::initializer_list<int> terms) {
    for (int term : terms)
        if (wanted & termBit(term)) return true;
    return false;
}

}  // namespace

// The terms come in families that one pass measures together; a family is measured when any of its
// terms is wanted.
SideTerms measureTerms(int side, uint32_t wanted) {
    SideTerms t{};
    game.obstruction = 0;
    t.value[TERM_DISTANCE] = connectionDistance(side);
    t.value[TERM_OBSTRUCTION] = game.obstruction;
    t.value[TERM_MOVES] = game.sideMoveCount[side];
    t.value[TERM_CAPTURES] = game.sideCaptureCount[side];
    t.value[TERM_GROUPS] = game.groupCount[side];
    if (wanted & termBit(TERM_EDGE_MOVES)) t.value[TERM_EDGE_MOVES] = countMobility(side).toEdge;
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
    return t;
}

const char* termName(int term) {
    static const char* const names[TERM_COUNT] = {
        "distance", "obstruction",      "moves",         "captures", "edge_moves", "groups",   "spread",
        "concentration", "decentralisation", "centre_offset", "euler",    "solid_quads", "touching", "area"};
    return term >= 0 && term < TERM_COUNT ? names[term] : "";
}
