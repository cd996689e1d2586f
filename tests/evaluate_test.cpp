// Evaluation: gap costs of single projections, connection distance and obstruction, decided
// positions, and the toolkit hook every 65536th call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/move.h"
#include "position/pieces.h"
#include "position/setups.h"
#include "position/toolkit.h"

#include "test_support.h"

namespace {

using testing_support::Placed;
using testing_support::setUpBoard;

// The gap cost computed as literally as possible: the runs and gaps of the occupied lines, then
// c(t) for every t by moving one piece at a time, with no early exit. The sink is unbounded here,
// so any cost that the real sink would cut off is above 14 anyway.
int referenceGapCost(const std::vector<int>& own, int divisor, int groupCount) {
    std::vector<int> runs, gaps{0};  // gaps[k] lies between runs[k - 1] and runs[k]
    int previous = -1;
    for (int line = 0; line < static_cast<int>(own.size()); ++line) {
        if (own[line] == 0) continue;
        const int width = previous < 0 ? 0 : (line - previous - 1) / divisor;
        if (previous < 0 || width > 0) {
            if (previous >= 0) gaps.push_back(width);
            runs.push_back(0);
        }
        runs.back() += own[line];
        previous = line;
    }
    if (runs.empty()) return 0;
    const int m = static_cast<int>(runs.size()) - 1;
    if (m == 0) return groupCount / 2;

    int best = 14;
    for (int t = 0; t <= m; ++t) {
        std::vector<int> room = gaps, left = runs;
        room.push_back(1 << 30);  // the sink, gap m + 1
        int moved = 0, g = t + 1;
        for (int i = 0; i < t; ++i) {  // phase 1: runs left of t into gaps t+1.. and the sink
            while (left[i] > 0) {
                while (room[g] == 0) ++g;
                --room[g], --left[i], ++moved;
            }
        }
        for (int r = m;;) {  // phase 2: runs from the right end while the gap is not right of them
            while (room[g] == 0) ++g;
            while (left[r] == 0) --r;
            if (g > r) break;
            --room[g], --left[r], ++moved;
        }
        best = std::min(best, moved);
    }
    return best;
}

int obstructionOf(const std::vector<int>& own, const std::vector<int>& opponent) {
    const auto first = std::find_if(own.begin(), own.end(), [](int n) { return n != 0; });
    if (first == own.end()) return 0;
    const int from = static_cast<int>(first - own.begin());
    int to = static_cast<int>(own.size()) - 1;
    while (own[to] == 0) --to;
    int sum = 0;
    for (int i = from; i <= to; ++i) sum += opponent[i];
    return sum;
}

struct ProjectionCase {
    const char* name;
    std::vector<int> own;
    std::vector<int> opponent;
    int divisor;
    int groupCount;
    int cost;
    int obstruction;
};

TEST(ProjectionGapCost, WorkedExamples) {
    const std::vector<int> ones(8, 1);
    const std::vector<int> none20(20, 0);
    std::vector<int> fiveGapFive(20, 0), twentyGapTwenty(20, 0);
    fiveGapFive[0] = fiveGapFive[19] = 5;
    twentyGapTwenty[0] = twentyGapTwenty[19] = 20;
    const ProjectionCase cases[] = {
        {"move the first run's two pieces", {0, 2, 0, 0, 1, 0, 3, 0}, ones, 1, 3, 2, 6},
        {"divisor 2 drops the one-line stretch", {0, 2, 0, 0, 1, 0, 3, 0}, ones, 2, 3, 1, 6},
        {"move one end piece across six lines", {1, 0, 0, 0, 0, 0, 0, 1},
         {1, 0, 0, 2, 0, 0, 0, 1}, 1, 2, 1, 4},
        {"five on each side of eighteen lines", fiveGapFive, none20, 1, 2, 5, 0},
        {"capped at fourteen", twentyGapTwenty, none20, 1, 2, 14, 0},
        {"one band: half the groups", {0, 1, 1, 0, 2, 0}, {1, 1, 1, 1, 1, 1}, 2, 5, 2, 4},
        {"knight family: stretch of five is one gap", {2, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0},
         3, 2, 1, 0},
        {"no pieces", {0, 0, 0, 0}, {3, 3, 3, 3}, 1, 4, 0, 0},
    };
    for (const ProjectionCase& c : cases) {
        game.groupCountCopy = c.groupCount;
        game.obstruction = 7;
        const int cost = projectionGapCost(c.own.data(), c.opponent.data(),
                                           static_cast<int>(c.own.size()), c.divisor);
        EXPECT_EQ(cost, c.cost) << c.name;
        EXPECT_EQ(game.obstruction, 7 + c.obstruction) << c.name;
    }
}

// The fast cost with its early exits against the literal computation on many random projections,
// from sparse to dense, with small and large runs.
TEST(ProjectionGapCost, MatchesLiteralComputationOnRandomCounts) {
    std::mt19937 rng(2024);
    int capped = 0, singleBand = 0, spread = 0;
    for (int trial = 0; trial < 300000; ++trial) {
        const int lines = 1 + static_cast<int>(rng() % 46);
        const int divisor = 1 + static_cast<int>(rng() % 3);
        const unsigned density = 1 + rng() % 6;  // an occupied line about once in `density` lines
        const bool bigRuns = rng() % 4 == 0;
        std::vector<int> own(lines), opponent(lines);
        for (int i = 0; i < lines; ++i) {
            if (rng() % density == 0) own[i] = 1 + static_cast<int>(rng() % (bigRuns ? 12 : 3));
            opponent[i] = static_cast<int>(rng() % 4);
        }
        const int groupCount = 1 + static_cast<int>(rng() % 30);
        const int expected = referenceGapCost(own, divisor, groupCount);

        game.groupCountCopy = groupCount;
        game.obstruction = -5;
        const int cost = projectionGapCost(own.data(), opponent.data(), lines, divisor);
        std::string shown;
        for (int n : own) shown += std::to_string(n) + " ";
        ASSERT_EQ(cost, expected) << "own " << shown << "divisor " << divisor;
        ASSERT_EQ(game.obstruction, -5 + obstructionOf(own, opponent)) << "own " << shown;
        capped += cost == 14;
        singleBand += cost == groupCount / 2;
        spread += cost > 1 && cost < 14;
    }
    // The random counts must reach the interesting regions, or the comparison proves little.
    EXPECT_GT(capped, 1000);
    EXPECT_GT(singleBand, 1000);
    EXPECT_GT(spread, 10000);
}

// N = 4. Side 0: (1,1) (2,1) (1,4) (2,4), two groups. Side 1: (4,1) (3,4), two groups.
// Worked by hand over the eight projections:
//   side 0: columns cost 2 (two pieces on each side of a two-column gap), all others 1;
//           obstruction 2 + 0 + 1 + 1 + 1 + 1 + 0 + 1 = 7
//   side 1: every projection 1; obstruction 4 + 0 + 2 + 2 + 2 + 2 + 0 + 1 = 13
const std::vector<Placed> twoPairsAgainstTwo = {{1, 1, 0}, {2, 1, 0}, {1, 4, 0}, {2, 4, 0},
                                                {4, 1, 1}, {3, 4, 1}};

TEST(ConnectionDistance, WorkedPositionGivesDistanceAndObstructionPerSide) {
    setUpBoard(4, twoPairsAgainstTwo);
    ASSERT_EQ(game.groupCount[0], 2);
    ASSERT_EQ(game.groupCount[1], 2);
    game.obstruction = 0;
    EXPECT_EQ(connectionDistance(0), 2);
    EXPECT_EQ(game.obstruction, 7);
    EXPECT_EQ(game.groupCountCopy, 2);
    game.obstruction = 0;
    EXPECT_EQ(connectionDistance(1), 1);
    EXPECT_EQ(game.obstruction, 13);
}

// The distance is kept between calls, but a repeated call still adds the side's obstruction and
// sets groupCountCopy, and nothing kept survives into the next position set up, even one reached
// by as many placements.
TEST(ConnectionDistance, KeptDistanceGivesTheSameSideEffectsAndEndsWithThePosition) {
    setUpBoard(4, twoPairsAgainstTwo);
    for (int call = 0; call < 2; ++call) {
        game.obstruction = 0;
        game.groupCountCopy = 0;
        EXPECT_EQ(connectionDistance(0), 2) << "call " << call;
        EXPECT_EQ(game.obstruction, 7) << "call " << call;
        EXPECT_EQ(game.groupCountCopy, 2) << "call " << call;
    }
    // Side 0 now forms one block: no gap in any projection, one group.
    setUpBoard(4, {{1, 1, 0}, {2, 1, 0}, {1, 2, 0}, {2, 2, 0}, {4, 1, 1}, {3, 4, 1}});
    game.obstruction = 0;
    EXPECT_EQ(connectionDistance(0), 0);
    EXPECT_EQ(game.groupCountCopy, 1);
}

// Distances worked out before are found again by the exact set of a side's squares, never by its
// key alone: two pairs of side 0 whose keys pick the same slot of the table, one pair touching
// (distance 0) and one with a gap between (distance above 0), each keep their own distance
// whichever was stored last.
TEST(ConnectionDistance, KnownDistanceBelongsToTheExactSetOfSquares) {
    constexpr int N = 8;
    const auto pairKey = [](int r1, int c1, int r2, int c2) {
        return (squareKey(squareNumber(r1, c1)) ^ squareKey(squareNumber(r2, c2))) & 4095;
    };
    std::vector<Placed> touching, apart;
    for (int a = 0; a < N * N && apart.empty(); ++a)
        for (int b = a + 1; b < N * N && apart.empty(); ++b) {
            const int r1 = a / N + 1, c1 = a % N + 1, r2 = b / N + 1, c2 = b % N + 1;
            if (std::max(std::abs(r2 - r1), std::abs(c2 - c1)) < 3) continue;
            for (int t = 0; t < N * N && apart.empty(); ++t) {
                const int r = t / N + 1, c = t % N + 1;
                if (c < N && pairKey(r, c, r, c + 1) == pairKey(r1, c1, r2, c2)) {
                    touching = {{r, c, 0}, {r, c + 1, 0}};
                    apart = {{r1, c1, 0}, {r2, c2, 0}};
                }
            }
        }
    ASSERT_FALSE(apart.empty()) << "no pair of squares shares a slot with a touching pair";

    setUpBoard(N, apart);
    const int apartDistance = connectionDistance(0);
    ASSERT_GT(apartDistance, 0);
    for (int round = 0; round < 2; ++round) {
        setUpBoard(N, touching);
        EXPECT_EQ(connectionDistance(0), 0) << "round " << round;
        EXPECT_EQ(distanceCacheFault(), "");
        setUpBoard(N, apart);
        EXPECT_EQ(connectionDistance(0), apartDistance) << "round " << round;
        EXPECT_EQ(distanceCacheFault(), "");
    }
}

TEST(Evaluate, WorkedPositionScoresForTheSideThatMoved) {
    setUpBoard(4, twoPairsAgainstTwo);
    const int movesDifference = game.sideMoveCount[0] - game.sideMoveCount[1];

    // Side 0 moved last: 1024 * (1 - 2) + 512 * (13 - 7) + moves of 0 - moves of 1.
    game.sideToMove = 1;
    EXPECT_EQ(evaluate(), 2048 + movesDifference);
    EXPECT_EQ(game.obstruction, 6);

    // Side 1 moved last: the same from the other side.
    game.sideToMove = 0;
    EXPECT_EQ(evaluate(), -2048 - movesDifference);
    EXPECT_EQ(game.obstruction, -6);
}

struct DecidedCase {
    const char* name;
    std::vector<Placed> pieces;
    int sideToMove;
    int remainingDepth;
    int32_t score;
};

TEST(Evaluate, DecidedPositions) {
    const std::vector<Placed> bothConnected = {{1, 1, 0}, {1, 2, 0}, {4, 4, 1}, {3, 4, 1}};
    const DecidedCase cases[] = {
        {"mover connected, loser in three groups",
         {{1, 1, 0}, {1, 2, 0}, {3, 1, 1}, {3, 3, 1}, {1, 4, 1}}, 1, 3, WIN_SCORE + 1536 + 3},
        {"both connected: side 0 made the move", bothConnected, 1, 2, WIN_SCORE + 1024 + 1},
        {"both connected: side 1 made the move", bothConnected, 0, 2, WIN_SCORE + 1024 + 1},
        {"only the side to move connected", {{1, 1, 0}, {1, 2, 0}, {3, 1, 1}, {3, 3, 1}}, 0, 5,
         -(WIN_SCORE + 2560 + 2)},
        {"a single piece is connected", {{2, 2, 0}, {4, 1, 1}, {4, 3, 1}, {4, 4, 1}}, 1, 0,
         WIN_SCORE + 2},
        {"a single piece of the side to move", {{2, 2, 0}, {4, 1, 1}, {4, 3, 1}, {4, 4, 1}}, 0, 1,
         -(WIN_SCORE + 512 + 2)},
    };
    for (const DecidedCase& c : cases) {
        setUpBoard(4, c.pieces);
        game.sideToMove = c.sideToMove;
        game.remainingDepth = c.remainingDepth;
        game.obstruction = 99;
        EXPECT_EQ(evaluate(), c.score) << c.name;
        EXPECT_EQ(game.obstruction, 0) << c.name;
    }
}

// The evaluation rebuilt from the board alone: projections by coordinates, the literal gap cost.
int32_t referenceEvaluate() {
    const int n = game.boardSize;
    struct Family {
        int (*index)(int row, int col, int n);
        int lines, divisor;
    };
    const Family families[] = {
        {[](int, int c, int) { return c - 1; }, n, 1},
        {[](int r, int, int) { return r - 1; }, n, 1},
        {[](int r, int c, int) { return r + c - 2; }, 2 * n - 1, 2},
        {[](int r, int c, int n) { return r - c + n - 1; }, 2 * n - 1, 2},
        {[](int r, int c, int n) { return 2 * c - r + n - 2; }, 3 * n - 2, 3},
        {[](int r, int c, int) { return r + 2 * c - 3; }, 3 * n - 2, 3},
        {[](int r, int c, int) { return 2 * r + c - 3; }, 3 * n - 2, 3},
        {[](int r, int c, int n) { return 2 * r - c + n - 2; }, 3 * n - 2, 3},
    };
    int distance[2] = {0, 0}, obstruction[2] = {0, 0};
    for (const Family& f : families) {
        std::vector<int> counts[2] = {std::vector<int>(f.lines), std::vector<int>(f.lines)};
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                if (game.board[r][c] > 0) ++counts[sideOfCode(game.board[r][c])][f.index(r, c, n)];
            }
        }
        for (int s = 0; s < 2; ++s) {
            distance[s] =
                std::max(distance[s], referenceGapCost(counts[s], f.divisor, game.groupCount[s]));
            obstruction[s] += obstructionOf(counts[s], counts[1 - s]);
        }
    }
    const int q = game.sideToMove, p = 1 - q;
    return 1024 * (distance[q] - distance[p]) + 512 * (obstruction[q] - obstruction[p]) +
           game.sideMoveCount[p] - game.sideMoveCount[q];
}

// Random games on every size and several setups: the evaluation read from the incremental tables
// equals the one rebuilt from the board in every undecided position.
TEST(Evaluate, MatchesBoardReferenceInRandomGames) {
    std::mt19937 rng(77);
    int compared = 0;
    for (int size = 4; size <= 16; ++size) {
        for (int setup : {0, 3, 5, 7}) {
            startPosition(size, setup);
            for (int ply = 0; ply < 60; ++ply) {
                if (game.groupCount[0] == 1 || game.groupCount[1] == 1) break;
                ASSERT_EQ(evaluate(), referenceEvaluate()) << "size " << size << " setup " << setup
                                                           << " ply " << ply;
                ++compared;
                std::vector<Move> moves;
                const int side = game.sideToMove;
                for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
                    for (int d = 0; d < 8; ++d) {
                        if (game.pieces[id].moveDirs & (1u << d)) moves.push_back(buildMove(id, d));
                    }
                }
                if (moves.empty()) break;
                makeMove(moves[rng() % moves.size()]);
                game.sideToMove ^= 1;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

int processEventsCalls = 0;
void countProcessEvents() { ++processEventsCalls; }

TEST(Evaluate, LetsTheToolkitRunEvery65536thCall) {
    startPosition(8, 3);
    resetToolkitHooks();
    toolkit.processEvents = countProcessEvents;
    processEventsCalls = 0;
    game.evaluationCount = 0;

    for (int i = 0; i < 65535; ++i) evaluate();
    EXPECT_EQ(processEventsCalls, 0);
    evaluate();
    EXPECT_EQ(processEventsCalls, 1);
    EXPECT_EQ(game.evaluationCount, 65536u);
    for (int i = 0; i < 65535; ++i) evaluate();
    EXPECT_EQ(processEventsCalls, 1);
    evaluate();
    EXPECT_EQ(processEventsCalls, 2);

    game.evaluationCount = 0xFFFFFFFFu;  // the counter wraps to 0, whose low bits are 0
    evaluate();
    EXPECT_EQ(processEventsCalls, 3);
    EXPECT_EQ(game.evaluationCount, 0u);
    resetToolkitHooks();
}

}  // namespace
