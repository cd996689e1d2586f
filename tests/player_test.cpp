// The choice of player and the levels: what the window's level choice relies on (limits that its two
// fields take, one side or both), and the imperfection of the low levels: reproducible, within its
// margin of the best move, and not without effect.
#include <gtest/gtest.h>

#include "position/toolkit.h"
#include "records/notation.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "strong/strong_think.h"
#include "player_fixture.h"
#include "test_support.h"

using testing_support::Game;
using testing_support::sameMove;
using testing_support::setUpGame;

namespace {

class Players : public PlayerFixture {};

TEST_F(Players, EveryLevelsLimitsFitTheWindowsFieldsAndGrowWithTheLevel) {
    LevelLimits previous{0, 0};
    int32_t previousNoise = 1 << 30;
    for (int level = MIN_LEVEL; level <= MAX_LEVEL; ++level) {
        const LevelLimits limits = applyLevel(level);
        EXPECT_GE(limits.depth, 1) << level;
        EXPECT_LE(limits.depth, 30) << level;
        EXPECT_GE(limits.seconds, 0) << level;
        EXPECT_LE(limits.seconds, 1440000) << level;
        // A higher level never searches less deeply or thinks less long, and with the same limits it
        // chooses less loosely.
        EXPECT_TRUE(limits.depth >= previous.depth && limits.seconds >= previous.seconds) << level;
        const bool sameLimits = limits.depth == previous.depth && limits.seconds == previous.seconds;
        for (const Player& p : players) {
            EXPECT_EQ(p.engine, Engine::Strong);
            EXPECT_EQ(p.level, level);
            if (sameLimits) {
                EXPECT_LT(p.noise, previousNoise) << level;
            }
        }
        previous = limits;
        previousNoise = players[0].noise;
    }
    EXPECT_EQ(players[0].noise, 0) << "the top level plays its best";
    applyLevel(MIN_LEVEL);
    EXPECT_GT(players[0].noise, 0) << "the lowest level chooses loosely";
}

TEST_F(Players, LevelsOutOfRangeAreBroughtIntoIt) {
    const LevelLimits low = applyLevel(0), lowest = levelLimits(MIN_LEVEL);
    EXPECT_EQ(players[1].level, MIN_LEVEL);
    EXPECT_TRUE(low.depth == lowest.depth && low.seconds == lowest.seconds);
    const LevelLimits high = applyLevel(99), highest = levelLimits(MAX_LEVEL);
    EXPECT_EQ(players[0].level, MAX_LEVEL);
    EXPECT_TRUE(high.depth == highest.depth && high.seconds == highest.seconds);
}

TEST_F(Players, OneSidesChoiceLeavesTheOtherAlone) {
    applyLevel(1, 4);
    EXPECT_EQ(players[0].engine, Engine::Classic);
    EXPECT_EQ(players[1].level, 4);
    chooseEngine(1, Engine::Strong);
    EXPECT_EQ(players[1].engine, Engine::Strong);
    EXPECT_EQ(players[1].level, 0) << "an engine chosen by itself is no level";
    EXPECT_EQ(players[1].noise, 0);
    Engine parsed = Engine::Classic;
    EXPECT_TRUE(parseEngine(engineName(Engine::Strong), parsed));
    EXPECT_EQ(parsed, Engine::Strong);
    EXPECT_FALSE(parseEngine("Strong", parsed));
}

// The noisy choice: the same move for the same position and seed, never further below the best
// value than the noise, and a different move from the best one in some positions.
TEST_F(Players, NoisyChoiceIsReproducibleWithinItsMarginAndNotWithoutEffect) {
    const Game games[] = {{8, 3, {"F1-D3", "H7-H1"}}, {8, 0, {"E7-A7", "G6-E6", "D7-D5"}}, {10, 3, {"C10-C8"}},
                          {7, 5, {"C1xA3", "G5-F4"}}, {12, 1, {}}, {9, 4, {"B1-B3"}}};
    const int32_t noise = 3072;
    const uint8_t stop = 0;
    int differs = 0;
    for (const Game& g : games) {
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const StrongResult best = strongThink({2, 0, 0, 0, &stop, false});
        const StrongResult noisy = strongThink({2, 0, noise, 7, &stop, false});
        const StrongResult again = strongThink({2, 0, noise, 7, &stop, false});
        EXPECT_TRUE(sameMove(noisy.move, again.move)) << moveText(noisy.move) << " then " << moveText(again.move);
        EXPECT_GE(noisy.move.score, best.move.score - noise) << moveText(noisy.move);
        EXPECT_LE(noisy.move.score, best.move.score);
        differs += !sameMove(noisy.move, best.move);
    }
    EXPECT_GT(differs, 0);
}

}  // namespace
