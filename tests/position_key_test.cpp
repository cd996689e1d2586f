// The position key: the same position reached by different move orders has the same key, a different
// side to move or board size another one, and the checker reports a key that has gone wrong.
#include <gtest/gtest.h>

#include "position/checker.h"
#include "position/position_key.h"
#include "test_support.h"

namespace {

using testing_support::setUpGame;

struct Transposition {
    int size, setup;
    std::vector<std::string> first, second;  // two move orders that reach the same squares
};

// Each side plays the same moves in another order; the pieces keep their ids, but the keys are
// made afresh by different sequences of placements and removals.
const Transposition transpositions[] = {
    {8, 3, {"B1-B3", "H2-F4", "C1-C3", "H3-F5"}, {"C1-C3", "H3-F5", "B1-B3", "H2-F4"}},
    {12, 0, {"C2-C4", "K5-I5", "D2-D4"}, {"D2-D4", "K5-I5", "C2-C4"}},
    {6, 3, {"B1-B3", "F2-D2", "C1-C3"}, {"C1-C3", "F2-D2", "B1-B3"}},
};

TEST(PositionKey, EqualPositionsByDifferentMoveOrdersHaveEqualKeys) {
    for (const Transposition& t : transpositions) {
        ASSERT_EQ(setUpGame(t.size, t.setup, t.first), "");
        const uint64_t key = positionKeyWithSide();
        const GameState first = game;
        ASSERT_EQ(setUpGame(t.size, t.setup, t.second), "");
        ASSERT_EQ(std::memcmp(first.board, game.board, sizeof game.board), 0) << "not a transposition";
        EXPECT_EQ(positionKeyWithSide(), key);
        EXPECT_EQ(checkPosition(), "");
    }
}

TEST(PositionKey, SideToMoveAndBoardSizeMakeOtherPositions) {
    ASSERT_EQ(setUpGame(8, 3, {"B1-B3"}), "");
    const uint64_t sideOneToMove = positionKeyWithSide();
    game.sideToMove ^= 1;
    EXPECT_NE(positionKeyWithSide(), sideOneToMove);
    game.sideToMove ^= 1;

    // The same two pieces on boards of every size: no two sizes share a key.
    std::vector<uint64_t> keys;
    for (int size = 4; size <= 16; ++size) {
        testing_support::setUpBoard(size, {{1, 1, 0}, {2, 3, 1}});
        for (uint64_t other : keys) EXPECT_NE(game.positionKey, other) << "size " << size;
        keys.push_back(game.positionKey);
    }
}

TEST(PositionKey, CheckerReportsAKeyThatWentWrong) {
    ASSERT_EQ(setUpGame(10, 6, {"C2-C6"}), "");
    ASSERT_EQ(checkPosition(), "");
    game.positionKey ^= pieceSquareKey(0, squareNumber(2, 3));  // as if C2 were still occupied
    EXPECT_NE(checkPosition().find("position key"), std::string::npos) << checkPosition();
}

}  // namespace
