// The tuning of the evaluation: the positions a game record gives, each with the result for its side
// to move, and weights fitted to results that one term decides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/record.h"
#include "tuning/evaluation_tuning.h"

namespace {

// A game that side 1 wins with its first move: both undecided positions from the first on, each
// labelled for the side to move, the winner's 1 and the loser's 0.
TEST(Tuning, PositionsOfARecordCarryTheResultForTheSideToMove) {
    const std::string record = "[Size \"4\"]\n\n1. B1xD3 D2-B2 0-1\n";
    std::vector<TuningPosition> positions;
    ASSERT_EQ(collectPositions(record, 0, positions), "");
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0].result, 0.0);
    EXPECT_EQ(positions[1].result, 1.0);
    positions.clear();
    ASSERT_EQ(collectPositions(record, 1, positions), "");
    EXPECT_EQ(positions.size(), 1u);
    positions.clear();
    ASSERT_EQ(collectPositions("[Size \"6\"]\n\n1. B1-B3 *\n", 0, positions), "");
    EXPECT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0].result, 0.5);
    EXPECT_NE(collectPositions("1. B1-B4 *", 0, positions), "");
}

// Results that the difference in moves alone decides: tuning gives that term a large positive weight
// and leaves the terms that tell nothing near nought, and the prediction improves.
TEST(Tuning, WeightsFollowTheTermThatDecidesTheResults) {
    std::vector<TuningPosition> positions;
    for (int moves = -10; moves <= 10; ++moves)
        for (int noise = 0; noise < 5; ++noise) {
            TuningPosition p{};
            p.difference[TERM_MOVES] = moves;
            p.difference[TERM_AREA] = (noise * 7) % 5 - 2;  // unrelated to the result
            p.result = moves > 0 ? 1.0 : moves < 0 ? 0.0 : 0.5;
            positions.push_back(p);
        }
    Weights start{0, {}};
    start.term[TERM_MOVES] = 1;
    const double scale = fitScale(positions, start);
    const double before = predictionError(positions, start, scale);
    const Weights tuned = tuneWeights(positions, start, scale, 500, ~0u);
    EXPECT_LT(predictionError(positions, tuned, scale), before / 2);
    EXPECT_GT(tuned.term[TERM_MOVES], 5.0);
    EXPECT_LT(std::abs(tuned.term[TERM_AREA]), tuned.term[TERM_MOVES] / 10);
    // A term held fixed keeps its weight.
    const Weights held = tuneWeights(positions, start, scale, 500, ~0u & ~(1u << TERM_MOVES));
    EXPECT_EQ(held.term[TERM_MOVES], 1.0);
}

}  // namespace
