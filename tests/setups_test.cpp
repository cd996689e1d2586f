// The nine initial arrangements: layouts, piece-id order and bookkeeping after every piece.
#include <gtest/gtest.h>

#include <string>

#include "position/checker.h"
#include "position/game_state.h"
#include "position/setups.h"

namespace {

std::string layout() {
    std::string text;
    for (int r = 1; r <= game.boardSize; ++r) {
        for (int c = 1; c <= game.boardSize; ++c) {
            const int32_t code = game.board[r][c];
            text += code == 0 ? '.' : sideOfCode(code) ? '1' : '0';
        }
        text += '\n';
    }
    return text;
}

struct LayoutCase {
    int size, setup;
    const char* board;
};

class SetupLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SetupLayout, PlacesTheArrangement) {
    startPosition(GetParam().size, GetParam().setup);
    EXPECT_EQ(layout(), GetParam().board);
    EXPECT_EQ(checkPosition(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SetupLayout,
    ::testing::Values(
        LayoutCase{8, 3,
                   ".000000.\n1......1\n1......1\n1......1\n1......1\n1......1\n1......1\n.000000.\n"},
        LayoutCase{8, 4,
                   ".000111.\n0......1\n0......1\n0......1\n1......0\n1......0\n1......0\n.111000.\n"},
        LayoutCase{8, 5,
                   ".000111.\n1......0\n1......0\n1......0\n0......1\n0......1\n0......1\n.111000.\n"},
        LayoutCase{8, 0,
                   "........\n..0000..\n.1....1.\n.1....1.\n.1....1.\n.1....1.\n..0000..\n........\n"},
        LayoutCase{7, 4, ".00011.\n0.....1\n0.....1\n1.....1\n1.....0\n1.....0\n.11000.\n"},
        LayoutCase{5, 1, ".....\n..0..\n.1.1.\n..0..\n.....\n"},
        LayoutCase{5, 2, ".....\n..0..\n.1.1.\n..0..\n.....\n"},
        LayoutCase{4, 0, "....\n....\n....\n....\n"},
        LayoutCase{4, 8, ".01.\n1..0\n0..1\n.10.\n"}));

TEST(Setups, UnionSetupsCombineOuterAndSecondRing) {
    for (int size = 4; size <= 16; ++size)
        for (int pattern = 0; pattern < 3; ++pattern) {
            startPosition(size, 3 + pattern);
            const std::string outer = layout();
            startPosition(size, pattern);
            const std::string inner = layout();
            startPosition(size, 6 + pattern);
            const std::string both = layout();
            for (size_t i = 0; i < both.size(); ++i)
                EXPECT_EQ(both[i], outer[i] != '.' ? outer[i] : inner[i]) << size << " " << pattern;
        }
}

TEST(Setups, EachSideGetsHalfOfEveryRingAndCornersStayEmpty) {
    for (int size = 4; size <= 16; ++size)
        for (int setup = 0; setup <= 8; ++setup) {
            startPosition(size, setup);
            const int outer = setup > 2 ? 2 * (size - 2) : 0;
            const int inner = setup / 3 != 1 && size > 4 ? 2 * (size - 4) : 0;
            EXPECT_EQ(game.pieceCount[0], outer + inner) << size << "/" << setup;
            EXPECT_EQ(game.pieceCount[1], outer + inner) << size << "/" << setup;
            const int n = size;
            for (auto [r, c] : {std::pair{1, 1}, {1, n}, {n, 1}, {n, n}, {2, 2}, {2, n - 1}, {n - 1, 2}, {n - 1, n - 1}})
                EXPECT_EQ(game.board[r][c], 0) << size << "/" << setup << " corner " << r << "," << c;
            ASSERT_EQ(checkPosition(), "") << size << "/" << setup;
        }
}

TEST(Setups, HandsOutIdsInPlacingOrder) {
    startPosition(8, 3);
    const int expected[][3] = {{0, 1, 2}, {1, 8, 2}, {2, 1, 3}, {3, 8, 3}, {64, 2, 1}, {65, 2, 8}, {66, 3, 1}, {67, 3, 8}};
    for (const auto& e : expected) {
        EXPECT_EQ(game.pieces[e[0]].row, e[1]) << e[0];
        EXPECT_EQ(game.pieces[e[0]].col, e[2]) << e[0];
    }
    startPosition(16, 8);
    EXPECT_EQ(game.nextPieceId[0], 52);
    EXPECT_EQ(game.nextPieceId[1], 64 + 52);
}

}  // namespace
