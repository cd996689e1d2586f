// The game history's logic: commit, undo and redo on the one position.
#include <gtest/gtest.h>

#include "position/checker.h"
#include "test_support.h"

namespace {

using namespace testing_support;

TEST(History, UndoOfACaptureRestoresThePieceAndEveryCount) {
    ASSERT_EQ(setUpGame(5, 6, {"C1xE3"}), "");
    const GameState before = game;
    ASSERT_EQ(setUpGame(5, 6, {"C1xE3", "A3xC5"}), "");
    const Move capture = gameHistory.historyMoves[1];
    ASSERT_GE(capture.captured, 0);
    EXPECT_FALSE(game.pieces[capture.captured].onBoard);
    undoStep();
    EXPECT_TRUE(game.pieces[capture.captured].onBoard);
    EXPECT_EQ(diffPositions(game, before), "");
    EXPECT_EQ(game.historyPosition, 1);
    EXPECT_EQ(gameHistory.historyLength, 2);
}

TEST(History, LastMoveFollowsUndoAndRedo) {
    ASSERT_EQ(setUpGame(8, 3, {"F1-D3", "H7-H1", "C8-C6"}), "");
    undoStep();
    EXPECT_EQ(moveText(lastMove), "H7-H1");
    undoStep();
    undoStep();
    EXPECT_EQ(lastMove.fromRow, 0);
    EXPECT_EQ(lastMove.toCol, 0);
    EXPECT_EQ(game.sideToMove, 0);
    redoStep();
    EXPECT_EQ(moveText(lastMove), "F1-D3");
    EXPECT_EQ(game.sideToMove, 1);
}

TEST(History, NewMoveAfterUndoForgetsTheRest) {
    ASSERT_EQ(setUpGame(8, 3, {"F1-D3", "H7-H1", "C8-C6"}), "");
    undoStep();
    undoStep();
    const std::vector<Move> moves = legalMoves();
    commitMove(moves.back());
    EXPECT_EQ(game.historyPosition, 2);
    EXPECT_EQ(gameHistory.historyLength, 2);
    EXPECT_EQ(checkPosition(), "");
}

TEST(History, CommitClearsTheSelection) {
    ASSERT_EQ(setUpGame(8, 3), "");
    pendingMove.fromRow = 1;
    pendingMove.fromCol = 2;
    commitMove(legalMoves().front());
    EXPECT_EQ(pendingMove.fromRow, 0);
    EXPECT_EQ(pendingMove.fromCol, 0);
}

// A game line longer than any fixed table: every move is kept, and the whole line can be taken
// back and replayed to the same position.
TEST(History, KeepsGameLinesLongerThanFiveHundredMoves) {
    ASSERT_EQ(setUpGame(16, 6), "");
    std::mt19937 random(5);
    int played = 0;
    while (played < 700) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty() || someSideConnected()) break;
        // Prefer quiet moves so that the game lasts.
        std::vector<Move> quiet;
        for (const Move& m : moves)
            if (m.captured < 0) quiet.push_back(m);
        const std::vector<Move>& pool = quiet.empty() ? moves : quiet;
        commitMove(pool[random() % pool.size()]);
        ++played;
    }
    ASSERT_GT(played, 500) << "the random game ended too early to test the long line";
    const GameState atEnd = game;
    EXPECT_EQ(gameHistory.historyLength, played);
    while (game.historyPosition > 0) undoStep();
    EXPECT_EQ(game.sideToMove, 0);
    while (game.historyPosition < gameHistory.historyLength) redoStep();
    EXPECT_EQ(diffPositions(game, atEnd), "");
    EXPECT_EQ(checkPosition(), "");
}

}  // namespace
