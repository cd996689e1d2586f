// Tuning the strong player's evaluation from games: the positions of game records, each with the
// terms of both sides and the game's result, and the weights that make the evaluation predict the
// results best. The weight of a term is what it is worth in the search's units.
#pragma once

#include <string>
#include <vector>

#include "strong/evaluation_terms.h"

// One position for the tuning: the side to move's terms less the other side's, and how the game
// ended for the side to move (1 won, 0 lost, 0.5 unfinished).
struct TuningPosition {
    double difference[TERM_COUNT];
    double result;
};

// collectPositions() reads a game record and adds its undecided positions from ply `firstPly` on.
// Returns "" or why the record was refused.
std::string collectPositions(const std::string& recordText, int firstPly, std::vector<TuningPosition>& positions);

// Weights of the evaluation: the bonus of the side to move and one weight per term.
struct Weights {
    double tempo;
    double term[TERM_COUNT];
};

// predictionError() is the mean squared difference between the results and the win probability
// that the weights predict, 1 / (1 + exp(-value / scale)).
double predictionError(const std::vector<TuningPosition>& positions, const Weights& weights, double scale);

// fitScale() is the scale under which the weights predict the results best: the units of the
// evaluation translated into chances of winning.
double fitScale(const std::vector<TuningPosition>& positions, const Weights& weights);

// tuneWeights() improves the weights by gradient descent on the prediction error under a fixed
// scale, `steps` steps, with a little weight decay toward 0 so that a term that tells nothing gets
// no weight. Terms outside `free` keep their weights.
Weights tuneWeights(const std::vector<TuningPosition>& positions, Weights start, double scale, int steps,
                    unsigned free);
