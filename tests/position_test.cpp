// The position state and the move masks: reset, start cells, and the rule of movement along a line.
#include <gtest/gtest.h>

#include "position/checker.h"
#include "position/game_state.h"
#include "position/pieces.h"

namespace {

void emptyBoard(int size) {
    clearGameState();
    game.boardSize = size;
    resetPosition();
}

TEST(ResetPosition, DrawsBorderAroundEmptyBoardOfSizeFour) {
    emptyBoard(4);
    for (int r = 0; r <= 5; ++r)
        for (int c = 0; c <= 5; ++c) {
            const bool border = r == 0 || r == 5 || c == 0 || c == 5;
            EXPECT_EQ(game.board[r][c], border ? -1 : 0) << r << "," << c;
        }
    EXPECT_EQ(game.nextPieceId[0], 0);
    EXPECT_EQ(game.nextPieceId[1], 64);
    EXPECT_EQ(checkPosition(), "");
}

TEST(ResetPosition, ClearsCountsLeftByAnEarlierBoard) {
    emptyBoard(16);
    newPiece(16, 16, 1);  // reaches the largest indices: diagonal 15+... slope-2 45
    EXPECT_EQ(game.side2RowPlusColCount[1][45], 1);
    EXPECT_EQ(game.antiDiagCount[30], 1);
    resetPosition();
    EXPECT_EQ(game.side2RowPlusColCount[1][45], 0);
    EXPECT_EQ(game.antiDiagCount[30], 0);
    EXPECT_EQ(game.sideMoveCount[1], 0);
}

// Start cells of the four lines through a square, as board indices, and the cell the walk ends on.
TEST(UpdateLinesThrough, WalksEachLineFromItsStartBorderToTheFarBorder) {
    emptyBoard(8);
    // The diagonal through (3, 5) starts at (0, 2); the anti-diagonal through (7, 6) at (4, 9).
    newPiece(3, 5, 0);
    newPiece(7, 6, 1);
    // A piece alone on its diagonal moves one square both ways along it.
    const uint32_t diagonalBits = (1u << 0) | (1u << 4);
    EXPECT_EQ(game.pieces[0].moveDirs & diagonalBits, diagonalBits);
    const uint32_t antiBits = (1u << 2) | (1u << 6);
    EXPECT_EQ(game.pieces[64].moveDirs & antiBits, antiBits);
    EXPECT_EQ(checkPosition(), "");
}

struct RowCase {
    const char* name;
    std::vector<std::pair<int, int>> pieces;  // (side, column) on row 4, placed in this order
    int column;                               // the piece examined
    bool right, rightCaptures, left;          // its moves along the row
};

class RowMoves : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowMoves, FollowTheRuleOfMovement) {
    const RowCase& c = GetParam();
    emptyBoard(8);
    for (auto [side, col] : c.pieces) newPiece(4, col, side);
    const PieceRecord& p = game.pieces[game.board[4][c.column] - 64];
    EXPECT_EQ(bool(p.moveDirs & (1u << 3)), c.right);
    EXPECT_EQ(bool(p.captureDirs & (1u << 3)), c.rightCaptures);
    EXPECT_EQ(bool(p.moveDirs & (1u << 7)), c.left);
    EXPECT_EQ(checkPosition(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Row, RowMoves,
    ::testing::Values(
        RowCase{"EmptyTargetBesideEnemy", {{0, 1}, {1, 4}}, 1, true, false, false},
        RowCase{"EnemyMovesBothWays", {{0, 1}, {1, 4}}, 4, true, false, true},
        RowCase{"JumpsOwnPiece", {{0, 1}, {0, 2}}, 1, true, false, false},
        RowCase{"BorderStopsLeftMove", {{0, 1}, {0, 2}}, 2, true, false, false},
        RowCase{"EnemyInBetweenBlocks", {{0, 1}, {1, 2}}, 1, false, false, false},
        RowCase{"LandsOnEnemyAndCaptures", {{0, 1}, {1, 3}}, 1, true, true, false},
        RowCase{"OwnPieceOnTargetBlocks", {{0, 1}, {0, 3}}, 1, false, false, false},
        RowCase{"ThirdPieceLengthensTheMove", {{0, 1}, {1, 4}, {0, 7}}, 1, true, true, false},
        RowCase{"AloneMovesOneSquare", {{1, 5}}, 5, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A third piece on the row turns the piece at column 1 into a capturer while its move bit stays set,
// and the new piece at column 7 captures on column 4 as well: two capturing moves appear.
TEST(UpdateLine, NewPieceAddsCapturesOfBothItsOwnAndAnOlderPiece) {
    emptyBoard(8);
    newPiece(4, 1, 0);
    newPiece(4, 4, 1);
    const int capturesBefore = game.sideCaptureCount[0];
    const int rowCapturesBefore = game.pieces[0].captureCount;
    newPiece(4, 7, 0);
    EXPECT_EQ(game.sideCaptureCount[0], capturesBefore + 2);
    EXPECT_EQ(game.pieces[0].captureCount, rowCapturesBefore + 1);
    EXPECT_TRUE(game.pieces[1].captureDirs & (1u << 7));
    EXPECT_EQ(checkPosition(), "");
}

TEST(RemovePiece, LastPieceOfALineLeavesNothingBehind) {
    emptyBoard(5);
    newPiece(3, 3, 0);
    removePiece(3, 3, 0);
    updateLinesThrough(3, 3);
    game.pieceCount[0] = 0;
    game.pieces[0].onBoard = false;
    EXPECT_EQ(game.sideMoveCount[0], 0);
    EXPECT_EQ(game.pieces[0].moveDirs, 0u);
    EXPECT_EQ(game.groupCount[0], 0);
    EXPECT_EQ(checkPosition(), "");
}

}  // namespace
