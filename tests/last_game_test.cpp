// The last game: its record holds the whole history, also the moves taken back, with the result where
// the history ends and the position shown in a Ply tag; it reads back to the same game at the same
// position; a damaged one is refused with its line and changes nothing; and it is kept in its file
// through the temporary-file-and-rename step.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "files/xdg_paths.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/last_game.h"
#include "records/record.h"
#include "tests/test_support.h"

namespace {

using testing_support::diffPositions;
using testing_support::sameMove;
using testing_support::setUpGame;

// A game won by side 1 with its first move (board 4, setup 3), that move taken back.
void setUpWonGameTakenBack() {
    ASSERT_EQ(setUpGame(4, 3, {"B1xD3", "D2-B2"}), "");
    ASSERT_EQ(winner(), 1);
    undoStep();
}

TEST(LastGameTest, TheRecordHoldsTheWholeHistoryTheResultAtItsEndAndThePlyShown) {
    setUpWonGameTakenBack();
    const GameState shown = game;
    const GameHistory history = gameHistory;
    const Move last = lastMove;
    EXPECT_EQ(keptGameText(), "[Size \"4\"]\n[Setup \"3\"]\n[Result \"0-1\"]\n[Ply \"1\"]\n\n1. B1xD3 D2-B2 0-1\n");
    EXPECT_EQ(wholeGameRecordText(), "[Size \"4\"]\n[Setup \"3\"]\n[Result \"0-1\"]\n\n1. B1xD3 D2-B2 0-1\n");
    EXPECT_EQ(recordText(), "[Size \"4\"]\n[Setup \"3\"]\n[Result \"*\"]\n\n1. B1xD3 *\n") << "up to the position shown";
    EXPECT_EQ(diffPositions(game, shown), "");
    EXPECT_EQ(gameHistory.historyLength, history.historyLength);
    EXPECT_TRUE(sameMove(lastMove, last));
}

// Every ply of a game, kept and read back: the same position, the same history, the same last move.
TEST(LastGameTest, AKeptGameLoadsAtThePositionShownWithEveryMove) {
    const std::vector<std::string> line = {"B1-B3", "H7-G6", "C8-C6", "G6xC6", "B8-D6", "H6xD6"};
    for (int ply = 0; ply <= static_cast<int>(line.size()); ++ply) {
        SCOPED_TRACE(ply);
        ASSERT_EQ(setUpGame(8, 3, line), "");
        while (game.historyPosition > ply) undoStep();
        const GameState shown = game;
        const Move last = lastMove;
        const std::string text = keptGameText();
        ASSERT_EQ(setUpGame(6, 4, {"B1-B3"}), "");
        EXPECT_EQ(loadKeptGame(text, "last-game.txt"), "");
        EXPECT_EQ(diffPositions(game, shown), "");
        EXPECT_EQ(gameHistory.historyLength, static_cast<int>(line.size()));
        EXPECT_TRUE(sameMove(lastMove, last));
        EXPECT_EQ(keptGameText(), text);
    }
}

TEST(LastGameTest, ARecordWithoutPlyShowsItsLastPositionAndABadPlyIsRefused) {
    GameRecord record;
    RecordError error;
    int ply = -1;
    ASSERT_TRUE(readKeptGame("1. B1-B3 H7-G6 *", record, ply, error));
    EXPECT_EQ(ply, 2);

    struct Case {
        const char* ply;
        const char* refusal;
    };
    const Case cases[] = {
        {"3", "g.txt:2: '[Ply \"3\"]': the shown position is not a whole number from 0 to 2, the number of moves"},
        {"-1", "g.txt:2: '[Ply \"-1\"]': the shown position is not a whole number from 0 to 2, the number of moves"},
        {"one", "g.txt:2: '[Ply \"one\"]': the shown position is not a whole number from 0 to 2, the number of moves"},
        {"", "g.txt:2: '[Ply \"\"]': the shown position is not a whole number from 0 to 2, the number of moves"},
        {"999999", "g.txt:2: '[Ply \"999999\"]': the shown position is not a whole number from 0 to 2, the number of moves"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(setUpGame(6, 4, {"B1-B3"}), "");
        const GameState before = game;
        const std::string text = std::string("[Size \"8\"]\n[Ply \"") + c.ply + "\"]\n\n1. B1-B3 H7-G6 *\n";
        EXPECT_EQ(loadKeptGame(text, "g.txt"), c.refusal);
        EXPECT_EQ(diffPositions(game, before), "");
        EXPECT_EQ(gameHistory.historyLength, 1);
    }
    EXPECT_EQ(loadKeptGame("1. B1-B4 *", "g.txt"), "g.txt:1: 'B1-B4': move 1: not a legal move in this position");
}

// The last game's file under a state folder of the test's own.
TEST(LastGameTest, TheGameIsKeptInItsFileAndReadBack) {
    char name[] = "/tmp/tarnwick-state-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string folder = name;
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string savedValue = saved ? saved : "";
    setenv("XDG_STATE_HOME", (folder + "/state").c_str(), 1);

    std::string text;
    EXPECT_EQ(readLastGameFile(text),
              "cannot read the last game '" + folder + "/state/tarnwick/last-game.txt': No such file or directory");
    setUpWonGameTakenBack();
    EXPECT_EQ(keepLastGame(), "");
    EXPECT_EQ(readLastGameFile(text), "");
    EXPECT_EQ(text, keptGameText());

    std::ofstream(folder + "/file") << "x";
    setenv("XDG_STATE_HOME", (folder + "/file").c_str(), 1);
    EXPECT_EQ(keepLastGame(), "cannot keep the game in '" + folder + "/file/tarnwick/last-game.txt': Not a directory");
    unsetenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    const std::string homeValue = home ? home : "";
    unsetenv("HOME");
    EXPECT_EQ(lastGamePath(), "");
    EXPECT_EQ(keepLastGame(), "cannot keep the game: neither XDG_STATE_HOME nor HOME names a folder for the last game");
    if (home) setenv("HOME", homeValue.c_str(), 1);

    saved ? setenv("XDG_STATE_HOME", savedValue.c_str(), 1) : unsetenv("XDG_STATE_HOME");
    std::system(("rm -rf '" + folder + "'").c_str());
}

}  // namespace
