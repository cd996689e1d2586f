// Random legal games on every board size and setup, with the from-scratch checker after every move
// and every take-back, and the whole game taken back to the exact start. The evaluation runs
// along the way, so that the connection distances it keeps are compared with fresh ones after
// moves of either side, captures and take-backs.
#include <gtest/gtest.h>

#include <cstdio>

#include "moves/evaluate.h"
#include "position/checker.h"
#include "test_support.h"

namespace {

using namespace testing_support;

long movesChecked = 0;

// playAndUnwind() plays up to maxMoves random moves through the history, trying and taking back
// one extra random move before each, then undoes the whole line. Every step is checked.
void playAndUnwind(int size, int setup, unsigned seed, int maxMoves, int64_t stampStart = 0) {
    SCOPED_TRACE("size " + std::to_string(size) + " setup " + std::to_string(setup) + " seed " +
                 std::to_string(seed));
    ASSERT_EQ(setUpGame(size, setup), "");
    if (stampStart) game.stampCounter = stampStart;
    const GameState start = game;
    std::mt19937 random(seed);
    for (int ply = 0; ply < maxMoves; ++ply) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty()) break;
        evaluate();
        const GameState before = game;
        const Move probe = moves[random() % moves.size()];
        makeMove(probe);
        ASSERT_EQ(checkPosition(), "") << "after trying " << moveText(probe);
        ASSERT_EQ(distanceCacheFault(), "") << "after trying " << moveText(probe);
        evaluate();
        unmakeMove(probe);
        ASSERT_EQ(diffPositions(game, before), "") << "after taking back " << moveText(probe);
        ASSERT_EQ(distanceCacheFault(), "") << "after taking back " << moveText(probe);
        const Move m = moves[random() % moves.size()];
        commitMove(m);
        ASSERT_EQ(checkPosition(), "") << "after move " << ply + 1 << " " << moveText(m);
        ASSERT_EQ(distanceCacheFault(), "") << "after move " << ply + 1 << " " << moveText(m);
        movesChecked += 2;
    }
    while (game.historyPosition > 0) {
        undoStep();
        ASSERT_EQ(checkPosition(), "") << "after taking back to " << game.historyPosition;
        ASSERT_EQ(distanceCacheFault(), "") << "after taking back to " << game.historyPosition;
        ++movesChecked;
    }
    EXPECT_EQ(diffPositions(game, start), "");
}

TEST(RandomGames, EveryBoardSizeAndSetupStaysExact) {
    movesChecked = 0;
    for (int size = 4; size <= 16; ++size)
        for (int setup = 0; setup <= 8; ++setup)
            for (unsigned seed = 1; seed <= 3; ++seed) playAndUnwind(size, setup, seed * 7919 + size, 150);
    std::printf("random games: %ld moves and take-backs checked\n", movesChecked);
}

// Group stamps must keep working however long a session runs: start the counter where a 32-bit
// counter would soon wrap or turn negative.
TEST(RandomGames, StampsNearThe32BitLimitsStayExact) {
    for (int64_t start : {int64_t{0x7fffffff} - 40, int64_t{0xffffffff} - 40})
        for (int size : {5, 8, 11, 16})
            for (int setup : {3, 6, 8}) playAndUnwind(size, setup, 99u + size, 200, start);
}

}  // namespace
