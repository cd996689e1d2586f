// The strong player's evaluation of an undecided position, for the side to move: the weighted
// differences of the two sides' terms (strong/evaluation_terms.h) with the weights of
// strong/evaluation_weights.h, and a bonus for having the move. Without the bonus the evaluation
// favours the side that just moved, and lines of odd and even length disagree.
#pragma once

#include <cstdint>

// strongEvaluation() is the value for the side to move. The position must be undecided: no side
// has all its pieces in one group.
int32_t strongEvaluation();
