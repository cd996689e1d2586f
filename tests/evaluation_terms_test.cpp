// The terms of the strong player's evaluation, each against small boards whose value is worked out
// by hand, and the evaluation as their weighted differences.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "records/record.h"
#include "strong/concentration.h"
#include "strong/evaluation_terms.h"
#include "strong/evaluation_weights.h"
#include "strong/mobility.h"
#include "strong/quads.h"
#include "strong/strong_evaluation.h"
#include "test_support.h"

namespace {

using testing_support::Placed;
using testing_support::setUpBoard;

struct QuadCase {
    const char* name;
    std::vector<Placed> pieces;  // of side 0, on a 5 x 5 board
    QuadCounts quads;
    int32_t euler;     // groups less holes
    int32_t touching;  // touching pairs
};

// Counted window by window over the 36 windows of a 5 x 5 board, the border included.
const QuadCase quadCases[] = {
    // The L: windows of one piece at the corners of it (5), of three in its bend (1).
    {"an L of three", {{1, 1, 0}, {1, 2, 0}, {2, 1, 0}}, {5, 1, 0, 0}, 1, 3},
    // Two pieces touching on a diagonal: six windows of one, the window between them diagonal.
    {"a diagonal pair", {{1, 1, 0}, {2, 2, 0}}, {6, 0, 0, 1}, 1, 1},
    // Two pieces apart: eight windows of one piece, two groups.
    {"two apart", {{1, 1, 0}, {5, 5, 0}}, {8, 0, 0, 0}, 2, 0},
    // A ring about an empty middle: one group with one hole; four corners of one piece, four
    // windows of three inside the ring's corners.
    {"a ring", {{2, 2, 0}, {2, 3, 0}, {2, 4, 0}, {3, 2, 0}, {3, 4, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}}, {4, 4, 0, 0}, 0, 12},
    // A full 2 x 2 block: four windows of one at its corners, four of two beside it, one full.
    {"a block", {{2, 2, 0}, {2, 3, 0}, {3, 2, 0}, {3, 3, 0}}, {4, 0, 1, 0}, 1, 6},
};

TEST(EvaluationTerms, QuadsGiveTheEulerNumberAndPiecesTouch) {
    for (const QuadCase& c : quadCases) {
        SCOPED_TRACE(c.name);
        setUpBoard(5, c.pieces);
        const QuadCounts q = countQuads(0);
        EXPECT_EQ(q.one, c.quads.one);
        EXPECT_EQ(q.three, c.quads.three);
        EXPECT_EQ(q.four, c.quads.four);
        EXPECT_EQ(q.diagonal, c.quads.diagonal);
        EXPECT_EQ(eulerTimesFour(q), 4 * c.euler);
        EXPECT_EQ(touchingPairs(0), c.touching);
    }
}

// The largest board counts its border windows too: a piece in each corner of 16 x 16 is four
// groups, each in four windows.
TEST(EvaluationTerms, QuadsReachTheEdgesOfTheLargestBoard) {
    setUpBoard(16, {{1, 1, 0}, {1, 16, 0}, {16, 1, 0}, {16, 16, 0}});
    EXPECT_EQ(countQuads(0).one, 16);
    EXPECT_EQ(eulerTimesFour(countQuads(0)), 16);
}

// Two pieces at the ends of the top row of 5 x 5: their centre of mass is (1, 3), each piece two
// columns from it (the least two pieces can be apart is one square from the centre, half a square
// each on average); the board's middle is (3, 3), two squares from either piece and from the centre
// of mass; they span a rectangle of one row and five columns.
TEST(EvaluationTerms, ConcentrationOfTwoPiecesApart) {
    setUpBoard(5, {{1, 1, 0}, {1, 5, 0}, {3, 3, 1}});
    const Concentration c = measureConcentration(0);
    EXPECT_EQ(c.spread, 16 * 4);             // each 2 squares away: a mean square of 4
    EXPECT_EQ(c.concentration, 16 * 3 / 2);  // mean distance 2, least 1/2: 1.5 beyond
    EXPECT_EQ(c.decentralisation, 16 * 2);
    EXPECT_EQ(c.centreOffset, 16 * 2);
    EXPECT_EQ(c.area, 5);
    // A lone piece in the middle: gathered and central in every sense.
    const Concentration alone = measureConcentration(1);
    EXPECT_EQ(alone.spread + alone.concentration + alone.decentralisation + alone.centreOffset, 0);
    EXPECT_EQ(alone.area, 1);
    EXPECT_EQ(leastDistanceSum(9), 8);
    EXPECT_EQ(leastDistanceSum(10), 10);
}

// A lone piece next to a corner moves one square in each of its eight directions; five of them end
// on the edge. A piece in the middle with an enemy piece two squares along its row moves two squares
// along the row, to the edge both ways, taking the enemy piece one way, and one square elsewhere.
TEST(EvaluationTerms, MovesByKind) {
    setUpBoard(5, {{2, 2, 0}});
    MobilityKinds kinds = countMobility(0);
    EXPECT_EQ(kinds.moves, 8);
    EXPECT_EQ(kinds.toEdge, 5);
    EXPECT_EQ(edgeMoves(0), 5);
    EXPECT_EQ(kinds.captures, 0);
    setUpBoard(5, {{3, 3, 0}, {3, 5, 1}});
    kinds = countMobility(0);
    EXPECT_EQ(kinds.moves, 8);
    EXPECT_EQ(kinds.captures, 1);
    EXPECT_EQ(kinds.toEdge, 2);
    EXPECT_EQ(edgeMoves(0), 2);
}

// The evaluation is the bonus of the side to move plus the weighted differences of the terms, and
// a position and its mirror image with the other side to move get the same value.
TEST(EvaluationTerms, EvaluationIsTheWeightedDifference) {
    setUpBoard(6, {{1, 2, 0}, {1, 3, 0}, {4, 4, 0}, {6, 1, 0}, {2, 5, 1}, {3, 5, 1}, {5, 2, 1}});
    const SideTerms mine = measureTerms(0, ALL_TERMS), theirs = measureTerms(1, ALL_TERMS);
    int32_t expected = TEMPO_WEIGHT;
    for (int k = 0; k < TERM_COUNT; ++k) expected += TERM_WEIGHTS[k] * (mine.value[k] - theirs.value[k]);
    EXPECT_EQ(strongEvaluation(), expected);
    const int32_t value = strongEvaluation();
    setUpBoard(6, {{1, 2, 1}, {1, 3, 1}, {4, 4, 1}, {6, 1, 1}, {2, 5, 0}, {3, 5, 0}, {5, 2, 0}});
    game.sideToMove = 1;
    EXPECT_EQ(strongEvaluation(), value);
}

// The terms kept by the arrangement of a side's pieces are those measured afresh, and the moves to the
// edge counted line by line are those counted piece by piece, position after position of random
// games on every board size, where arrangements come back and slots are shared.
TEST(EvaluationTerms, KeptTermsAreThoseMeasuredAfresh) {
    std::mt19937 random(11);
    for (int size = 4; size <= 16; ++size) {
        testing_support::setUpGame(size, size % 9);
        for (int ply = 0; ply < 120 && winner() < 0; ++ply) {
            const std::vector<Move> moves = testing_support::legalMoves();
            if (moves.empty()) break;
            for (int side = 0; side < 2; ++side) {
                const SideTerms kept = measureTerms(side, ALL_TERMS), fresh = measureTermsAfresh(side, ALL_TERMS);
                for (int k = 0; k < TERM_COUNT; ++k)
                    ASSERT_EQ(kept.value[k], fresh.value[k]) << termName(k) << " of side " << side << ", size " << size;
                ASSERT_EQ(edgeMoves(side), countMobility(side).toEdge) << "side " << side << ", size " << size;
            }
            commitMove(moves[random() % moves.size()]);
        }
    }
}

}  // namespace
