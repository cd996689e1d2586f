// Group connectivity: the ring table, joining on placement and splitting on removal.
#include <gtest/gtest.h>

#include <map>

#include "position/checker.h"
#include "position/game_state.h"
#include "position/groups.h"
#include "position/pieces.h"

namespace {

TEST(RingSplitTable, HasTheRunCountsOfEveryNeighbourPattern) {
    std::map<int, int> histogram;
    for (int mask = 0; mask < 256; ++mask) ++histogram[RingSplitTable[mask]];
    EXPECT_EQ(histogram, (std::map<int, int>{{-1, 1}, {0, 132}, {1, 102}, {2, 20}, {3, 1}}));

    auto bits = [](std::initializer_list<int> dirs) {
        int mask = 0;
        for (int d : dirs) mask |= 1 << d;
        return mask;
    };
    EXPECT_EQ(RingSplitTable[bits({1})], 0);
    EXPECT_EQ(RingSplitTable[bits({0, 2})], 1);
    EXPECT_EQ(RingSplitTable[bits({1, 3})], 0);
    EXPECT_EQ(RingSplitTable[bits({0, 4})], 1);
    EXPECT_EQ(RingSplitTable[bits({1, 3, 5, 7})], 0);
    EXPECT_EQ(RingSplitTable[bits({0, 2, 4, 6})], 3);
    EXPECT_EQ(RingSplitTable[255], 0);
}

struct Square {
    int row, col;
};

struct GroupCase {
    const char* name;
    std::vector<Square> placed;  // side-0 pieces, in placing order
    int groupsAfterPlacing;
    Square removed;
    int groupsAfterRemoving;
};

class GroupUpkeep : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupUpkeep, CountsGroupsAfterEachPlacementAndTheRemoval) {
    const GroupCase& c = GetParam();
    clearGameState();
    game.boardSize = 8;
    resetPosition();
    for (const Square& s : c.placed) {
        newPiece(s.row, s.col, 0);
        ASSERT_EQ(checkPosition(), "") << "after placing " << s.row << "," << s.col;
    }
    EXPECT_EQ(game.groupCount[0], c.groupsAfterPlacing);
    const int id = game.board[c.removed.row][c.removed.col] - 64;
    removePiece(c.removed.row, c.removed.col, id);
    updateLinesThrough(c.removed.row, c.removed.col);
    game.pieces[id].onBoard = false;
    --game.pieceCount[0];
    EXPECT_EQ(game.groupCount[0], c.groupsAfterRemoving);
    EXPECT_EQ(checkPosition(), "");
}

// The first piece placed names its group, so the order decides whether the removed piece is the
// namesake (a flood renames the rest) or not (the ring table decides whether to flood).
INSTANTIATE_TEST_SUITE_P(
    Shapes, GroupUpkeep,
    ::testing::Values(
        GroupCase{"LonePieceFormsAGroup", {{4, 4}}, 1, {4, 4}, 0},
        GroupCase{"TwoGroupsJoinedByMiddlePiece", {{4, 3}, {4, 5}, {4, 4}}, 1, {4, 5}, 1},
        GroupCase{"MiddleOfThreeNotNamesake", {{4, 3}, {4, 4}, {4, 5}}, 1, {4, 4}, 2},
        GroupCase{"MiddleOfThreeNamesake", {{4, 4}, {4, 3}, {4, 5}}, 1, {4, 4}, 2},
        GroupCase{"CornerOfBlockNotNamesake", {{4, 4}, {4, 5}, {5, 4}, {5, 5}}, 1, {5, 5}, 1},
        GroupCase{"CornerOfBlockNamesake", {{4, 4}, {4, 5}, {5, 4}, {5, 5}}, 1, {4, 4}, 1},
        GroupCase{"CentreOfFullBlock",
                  {{3, 3}, {3, 4}, {3, 5}, {4, 3}, {4, 5}, {5, 3}, {5, 4}, {5, 5}, {4, 4}}, 1, {4, 4}, 1},
        GroupCase{"LoopStaysOneGroup",
                  {{3, 3}, {3, 4}, {3, 5}, {4, 5}, {5, 5}, {5, 4}, {5, 3}, {4, 3}}, 1, {3, 4}, 1},
        GroupCase{"FourDiagonalArms",
                  {{4, 4}, {3, 3}, {3, 5}, {5, 3}, {5, 5}, {2, 2}}, 1, {4, 4}, 4},
        GroupCase{"FourDiagonalArmsNotNamesake",
                  {{2, 2}, {3, 3}, {4, 4}, {3, 5}, {5, 3}, {5, 5}}, 1, {4, 4}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// A piece placed between groups on its left and right joins the left one first (direction 7 is
// scanned first); the right group is relabelled into it.
TEST(JoinOnPlace, LeftGroupKeepsItsIdAndRightGroupIsRelabelled) {
    clearGameState();
    game.boardSize = 8;
    resetPosition();
    newPiece(4, 3, 0);  // id 0
    newPiece(4, 5, 0);  // id 1
    newPiece(3, 6, 0);  // id 2, joins id 1's group
    ASSERT_EQ(game.groupCount[0], 2);
    newPiece(4, 4, 0);  // id 3
    EXPECT_EQ(game.groupCount[0], 1);
    for (int id = 0; id < 4; ++id) EXPECT_EQ(game.pieces[id].group, 0) << id;
    EXPECT_EQ(game.pieces[2].stamp, game.pieces[0].stamp);
    EXPECT_EQ(checkPosition(), "");
}

// A long two-wide chain merged from one end: each piece has several neighbours in the old group,
// which once made the work list grow without bound. The merge must stay linear and exact.
TEST(MergeGroups, LongTwoWideChainMergesInOnePass) {
    clearGameState();
    game.boardSize = 16;
    resetPosition();
    for (int col = 2; col <= 16; ++col) {
        newPiece(1, col, 0);
        newPiece(2, col, 0);
    }
    ASSERT_EQ(game.groupCount[0], 1);
    newPiece(3, 1, 0);  // a group of its own
    newPiece(2, 1, 0);  // meets (3,1) first, then relabels the whole chain into that group
    EXPECT_EQ(game.groupCount[0], 1);
    EXPECT_EQ(checkPosition(), "");
}

}  // namespace
