#include "strong/strong_evaluation.h"

#include "position/game_state.h"
#include "strong/evaluation_terms.h"
#include "strong/evaluation_weights.h"

int32_t strongEvaluation() {
    const int q = game.sideToMove;
    const SideTerms mine = measureTerms(q, WEIGHTED_TERMS), theirs = measureTerms(q ^ 1, WEIGHTED_TERMS);
    int32_t value = TEMPO_WEIGHT;
    for (int k = 0; k < TERM_COUNT; ++k) value += TERM_WEIGHTS[k] * (mine.value[k] - theirs.value[k]);
    return value;
}
