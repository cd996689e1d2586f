// The selective alpha-beta search: values against a plain minimax of the same budgeted tree,
// the budget, cut-offs at equality, sides without moves, a search that is told to stop before it
// starts, the position restored after every search, and a fixed-depth fingerprint.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "moves/evaluate.h"
#include "moves/generate.h"
#include "moves/move_list.h"
#include "position/game_state.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "search/search.h"
#include "test_support.h"

// Every allocation of the test program is counted, so a test can see what a search allocates.
namespace {
long allocationCount = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// Not inlined, so that the compiler does not pair a new expression with free().
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using testing_support::diffPositions;
using testing_support::Game;
using testing_support::MAX_SCORE;
using testing_support::legalMoves;
using testing_support::setUpGame;

namespace {


// Positions in the middle of games, each side with plenty of moves.
const Game middleGames[] = {
    {8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}},
    {8, 0, {"E7-A7", "G6-E6", "D7-D5", "B4-C5"}},
    {6, 4, {"D6-B4", "F2-D2", "E6-E4", "D1-D3"}},
    {10, 3, {"C10-C8", "A2-A10", "G10-G8", "J2-H4"}},
    {7, 5, {"C1xA3", "G5-F4", "A3-C5", "E1-E3", "B1-D3", "B7-D5"}},
};

void startGame(const Game& g) {
    resetToolkitHooks();
    searchState = SearchState{};
    ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
    game.searchPly = 1;  // below the root: no opening restriction anywhere
}

// searchAt() runs one search at the given depth and reports any change it left in the position.
int32_t searchAt(int depth, int32_t alpha, int32_t beta, uint32_t* evaluations = nullptr) {
    game.remainingDepth = depth;
    const GameState saved = game;
    const uint32_t before = game.evaluationCount;
    const int32_t value = search(alpha, beta);
    if (evaluations) *evaluations = game.evaluationCount - before;
    EXPECT_EQ(diffPositions(saved, game), "");
    return value;
}

// minimaxValue() is the value of the same tree without any pruning: at each interior node the
// first remainingDepth + budgetExtra moves out of the heap, decided moves at their static score;
// at the horizon the best static score of all moves. With an open window the alpha-beta search
// must return exactly this.
int32_t minimaxValue(int budgetExtra) {
    MoveList list;
    generateMoves(list);
    if (game.remainingDepth == 1) {
        int32_t best = NO_SCORE;
        while (!isEmpty(list)) best = std::max(best, popMove(list).score);
        return best;
    }
    int32_t best = NO_SCORE;
    for (int taken = 0; taken < game.remainingDepth + budgetExtra && !isEmpty(list); ++taken) {
        const Move m = popMove(list);
        int32_t v = m.score;
        if (isOrdinaryScore(m.score)) {
            makeMove(m);
            game.sideToMove ^= 1;
            ++game.searchPly;
            --game.remainingDepth;
            v = -minimaxValue(budgetExtra);
            ++game.remainingDepth;
            --game.searchPly;
            game.sideToMove ^= 1;
            unmakeMove(m);
        }
        best = std::max(best, v);
    }
    return best;
}

int32_t minimaxAt(int depth, int budgetExtra) {
    game.remainingDepth = depth;
    return minimaxValue(budgetExtra);
}

TEST(Search, OpenWindowValueIsTheMinimaxOfTheBudgetedTree) {
    for (const Game& g : middleGames) {
        for (int depth = 1; depth <= 3; ++depth) {
            startGame(g);
            const int32_t expected = minimaxAt(depth, 11);
            EXPECT_EQ(searchAt(depth, NO_SCORE, MAX_SCORE), expected)
                << g.size << "/" << g.setup << " depth " << depth;
        }
    }
}

TEST(Search, InteriorNodesSearchRemainingDepthPlusElevenMoves) {
    // A position whose depth-3 value changes with one move more or one move less per node.
    startGame({7, 4, {"B1-D3", "A4-C2", "G5-E5"}});
    const int32_t expected = minimaxAt(3, 11);
    ASSERT_NE(minimaxAt(3, 10), expected);
    ASSERT_NE(minimaxAt(3, 12), expected);
    EXPECT_EQ(searchAt(3, NO_SCORE, MAX_SCORE), expected);
}

TEST(Search, HorizonCutsOffWhenAValueEqualsBeta) {
    for (const Game& g : middleGames) {
        startGame(g);
        uint32_t all = 0, cut = 0;
        const int32_t value = searchAt(1, NO_SCORE, MAX_SCORE, &all);
        EXPECT_EQ(all, static_cast<uint32_t>(game.sideMoveCount[game.sideToMove]));
        EXPECT_EQ(searchAt(1, NO_SCORE, value, &cut), value);
        EXPECT_LT(cut, all) << "the best move is the last one walked: pick another position";
        EXPECT_EQ(searchAt(1, NO_SCORE, value + 1, &cut), value);
        EXPECT_EQ(cut, all);
    }
}

TEST(Search, InteriorNodeCutsOffWhenAValueEqualsBeta) {
    for (const Game& g : middleGames) {
        startGame(g);
        uint32_t open = 0, atValue = 0;
        const int32_t value = searchAt(2, NO_SCORE, MAX_SCORE);
        EXPECT_EQ(searchAt(2, NO_SCORE, value + 1, &open), value);
        EXPECT_EQ(searchAt(2, NO_SCORE, value, &atValue), value);
        EXPECT_LT(atValue, open);
    }
}

// topChainValue() follows the top move of every interior node down to the horizon, which is
// searched in full, and counts the evaluations on the way: what a search must do when it is told
// to stop before it starts.
int32_t topChainValue(uint32_t& evaluations) {
    if (game.remainingDepth == 1) {
        evaluations += game.sideMoveCount[game.sideToMove];
        return minimaxValue(11);
    }
    MoveList list;
    generateMoves(list);
    evaluations += list.heap.size();
    if (isEmpty(list)) return NO_SCORE;
    const Move m = topMove(list);
    if (!isOrdinaryScore(m.score)) return m.score;
    makeMove(m);
    game.sideToMove ^= 1;
    ++game.searchPly;
    --game.remainingDepth;
    const int32_t v = -topChainValue(evaluations);
    ++game.remainingDepth;
    --game.searchPly;
    game.sideToMove ^= 1;
    unmakeMove(m);
    return v;
}

TEST(Search, StopRequestedBeforehandExaminesOnlyTheTopMoveOfEveryInteriorNode) {
    for (const Game& g : middleGames) {
        for (int depth = 2; depth <= 5; ++depth) {
            startGame(g);
            uint32_t expectedEvaluations = 0;
            game.remainingDepth = depth;
            const int32_t expected = topChainValue(expectedEvaluations);
            searchState.stopRequested = 1;
            uint32_t evaluations = 0;
            EXPECT_EQ(searchAt(depth, NO_SCORE, MAX_SCORE, &evaluations), expected) << depth;
            EXPECT_EQ(evaluations, expectedEvaluations) << depth;
            EXPECT_EQ(searchState.stopRequested, 1) << "the search never clears the flag";
        }
    }
}

// After C1xE3 A3xC5 E3xC5 on the 5 x 5 board with setup 6, side 1 has no legal move.
const Game stalemated = {5, 6, {"C1xE3", "A3xC5", "E3xC5"}};

TEST(Search, SideWithoutMovesIsWorthNoScoreAndItsMakerTheLargestScore) {
    for (int depth = 1; depth <= 3; ++depth) {
        startGame(stalemated);
        ASSERT_EQ(game.sideMoveCount[1], 0);
        ASSERT_EQ(game.sideToMove, 1);
        game.searchPly = 0;
        searchState.bestMove = Move{1, 1, 2, 2, 5, 3, 1, NO_PIECE, 77};  // a stale choice
        EXPECT_EQ(searchAt(depth, -DECIDED_BOUND, DECIDED_BOUND), NO_SCORE) << depth;
        EXPECT_TRUE(isNoMove(searchState.bestMove)) << depth;
        EXPECT_EQ(searchState.bestMove.fromRow, 0);
        EXPECT_EQ(searchState.bestMove.score, NO_SCORE);
    }
    // One ply up, the capture that leaves side 1 without a move is worth more than any win.
    startGame({5, 6, {"C1xE3", "A3xC5"}});
    game.searchPly = 0;
    EXPECT_EQ(searchAt(2, -DECIDED_BOUND, DECIDED_BOUND), MAX_SCORE);
    EXPECT_EQ(moveText(searchState.bestMove), "E3xC5");
    EXPECT_EQ(searchState.bestMove.score, MAX_SCORE);
}

TEST(Search, HorizonAtTheRootIgnoresTheOpeningRestriction) {
    resetToolkitHooks();
    ASSERT_EQ(setUpGame(8, 3), "");
    MoveList restricted;
    generateMoves(restricted);
    const uint32_t all = game.sideMoveCount[0];
    ASSERT_LT(restricted.heap.size(), all);
    uint32_t evaluations = 0;
    const int32_t value = searchAt(1, -DECIDED_BOUND, DECIDED_BOUND, &evaluations);
    EXPECT_EQ(evaluations, all);
    int32_t best = NO_SCORE;
    for (const Move& m : legalMoves()) {
        makeMove(m);
        game.sideToMove ^= 1;
        best = std::max(best, evaluate());
        game.sideToMove ^= 1;
        unmakeMove(m);
    }
    EXPECT_EQ(value, best);
    EXPECT_EQ(searchState.bestMove.score, best);
}

// The fingerprint of the search: move, value and evaluations of one fixed-depth search, the same
// on every run of the same build and on every build.
TEST(Search, FixedDepthSevenFingerprintIsStableWithinOneProcess) {
    for (int run = 0; run < 2; ++run) {
        startGame(middleGames[0]);
        ASSERT_EQ(game.historyPosition, 4);
        game.searchPly = 0;
        game.evaluationCount = 0;
        EXPECT_EQ(searchAt(7, -DECIDED_BOUND, DECIDED_BOUND), 7695) << run;
        EXPECT_EQ(moveText(searchState.bestMove), "C1xC4") << run;
        EXPECT_EQ(searchState.bestMove.score, 7695) << run;
        EXPECT_EQ(game.evaluationCount, 424649u) << run;
    }
}

TEST(Search, DecidedMoveIsTakenAtItsStaticScoreWithoutBeingMade) {
    // Side 0 to move connects all its pieces with E1-E4, its best-scored move of 23.
    startGame({7, 0, {"C2-F2", "F5-D5", "F2-E1", "D5xD2", "E2-E5", "B4-B1"}});
    game.searchPly = 0;
    uint32_t evaluations = 0;
    EXPECT_EQ(searchAt(3, -DECIDED_BOUND, DECIDED_BOUND, &evaluations), WIN_SCORE + 512 * 3 + 5);
    EXPECT_EQ(evaluations, 23u) << "only the node's own moves were scored";
    EXPECT_EQ(moveText(searchState.bestMove), "E1-E4");
}

TEST(Search, HorizonAllocatesNothingAndInteriorNodesOneListEach) {
    // Depth 1: the horizon alone. Depth 2: one list, children at the horizon. Depth 3: the node's
    // list and one for each of its 14 searched children (all ordinary, no cut-off in an open window).
    struct Case {
        int depth;
        long allocations;
    };
    const Case cases[] = {{1, 0}, {2, 1}, {3, 15}};
    for (const Case& c : cases) {
        startGame(middleGames[0]);
        game.remainingDepth = c.depth;
        const long before = allocationCount;
        search(NO_SCORE, MAX_SCORE);
        EXPECT_EQ(allocationCount - before, c.allocations) << c.depth;
    }
}

}  // namespace
