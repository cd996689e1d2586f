// The game's files in the window: Open shows a record's last position on its own board size or is refused
// with the reader's reason and changes nothing; Save as writes the whole history with its result or says
// why not; the title names the file; the last game is kept after every change, once-a-run word of a
// failure aside, and "Resume last game" opens the game an earlier run left, at its position.
#include <FL/Fl_Window.H>

#include <fstream>
#include <string>
#include <vector>

#include "records/last_game.h"
#include "records/record.h"
#include "tests/ui/desktop_fixture.h"
#include "ui/game_keys.h"

namespace {

using testing_support::diffPositions;

TEST_F(DesktopTest, BadFilesAreNotOpenedAndTheGameStaysAsItWas) {
    const std::string bad = folder + "/bad.txt";
    struct Case {
        const char* what;
        std::string contents;  // written to bad.txt; "" with a path of its own
        std::string path;
        std::string refusal;
    };
    const std::vector<Case> cases = {
        {"no such file", "", folder + "/none.txt",
         "Not opened: cannot read '" + folder + "/none.txt': No such file or directory"},
        {"a folder", "", folder, "Not opened: cannot read '" + folder + "': Is a directory"},
        {"an empty file", "\n", bad, "Not opened: " + bad + ":1: the record does not end with a result (1-0, 0-1 or *)"},
        {"an illegal move", "[Size \"6\"]\n\n1. B1-B4 *\n", bad,
         "Not opened: " + bad + ":3: 'B1-B4': move 1: not a legal move in this position"},
        {"a size out of range", "[Size \"17\"]\n*\n", bad,
         "Not opened: " + bad + ":1: '[Size \"17\"]': the size is not a whole number from 4 to 16"},
        {"bytes of no text", std::string("\x7f" "ELF\x02\x01\x01", 7), bad,
         "Not opened: " + bad + ":1: '?ELF??" "?': not a move (like B1-B3), a move number (like 7.) or a result (1-0, 0-1 or *)"},
        {"a file larger than any record", std::string(MAX_RECORD_BYTES + 1, ' '), bad,
         "Not opened: cannot read '" + bad + "': larger than 1048576 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.path == bad) std::ofstream(bad, std::ios::binary) << c.contents;
        startGame(8, 3, {"B1-B3", "H7-G6"});
        undoButton->handle(FL_RELEASE);
        const GameState before = game;
        EXPECT_EQ(openGameFile(c.path), c.refusal);
        EXPECT_EQ(diffPositions(game, before), "");
        EXPECT_EQ(gameHistory.historyLength, 2);
        EXPECT_EQ(window->w(), 498);
        EXPECT_STREQ(window->label(), "Tarnwick 2.0");
    }
}

TEST_F(DesktopTest, ARecordOfAnotherSizeOpensOnItsBoardWithItsWholeHistory) {
    const std::string path = folder + "/six.txt";
    std::ofstream(path) << "[Size \"6\"]\n[Setup \"4\"]\n\n1. B1-B3 E1-C3 2. C1-E3 *\n";
    startGame(8, 3, {"B1-B3"});
    ASSERT_EQ(openGameFile(path), "");
    EXPECT_EQ(game.boardSize, 6);
    EXPECT_EQ(window->w(), 436);
    EXPECT_EQ(window->h(), 236);
    EXPECT_EQ(game.historyPosition, 3);
    EXPECT_EQ(gameHistory.historyLength, 3);
    EXPECT_TRUE(restartButton->visible());
    EXPECT_EQ(shownSquares().size(), static_cast<size_t>(game.pieceCount[1]));
    EXPECT_STREQ(window->label(), "six.txt - Tarnwick 2.0");
    EXPECT_EQ(readFile(lastGameFile()), keptGameText());
    ASSERT_EQ(pasteGame("B1-B3"), "");  // another game: the title names no file
    EXPECT_STREQ(window->label(), "Tarnwick 2.0");
}

TEST_F(DesktopTest, SaveAsWritesTheWholeHistoryWithItsResult) {
    startGame(4, 3, {"B1xD3", "D2-B2"});
    undoButton->handle(FL_RELEASE);
    const std::string path = folder + "/won.txt";
    ASSERT_EQ(saveGameFile(path), "");
    EXPECT_EQ(readFile(path), "[Size \"4\"]\n[Setup \"3\"]\n[Result \"0-1\"]\n\n1. B1xD3 D2-B2 0-1\n");
    EXPECT_EQ(game.historyPosition, 1) << "the position shown stays";
    EXPECT_STREQ(window->label(), "won.txt - Tarnwick 2.0");

    std::ofstream(folder + "/kept.txt") << "kept";
    EXPECT_EQ(saveGameFile(folder + "/missing/game.txt"),
              "Not saved: cannot write '" + folder + "/missing/game.txt': No such file or directory");
    EXPECT_EQ(saveGameFile(folder), "Not saved: cannot write '" + folder + "': Is a directory");
    EXPECT_EQ(readFile(folder + "/kept.txt"), "kept");
    EXPECT_STREQ(window->label(), "won.txt - Tarnwick 2.0");
}

// The last game follows a move, navigation and a paste; a state folder that cannot be written says so
// once and the game goes on.
TEST_F(DesktopTest, TheLastGameIsKeptAfterEveryChange) {
    startGame(8, 3);
    click(1, 2);
    click(3, 2);
    EXPECT_EQ(readFile(lastGameFile()), "[Size \"8\"]\n[Setup \"3\"]\n[Result \"*\"]\n[Ply \"1\"]\n\n1. B1-B3 *\n");
    undoButton->handle(FL_RELEASE);
    EXPECT_EQ(readFile(lastGameFile()), "[Size \"8\"]\n[Setup \"3\"]\n[Result \"*\"]\n[Ply \"0\"]\n\n1. B1-B3 *\n");
    ASSERT_EQ(pasteGame("C1-C3"), "");
    EXPECT_EQ(readFile(lastGameFile()), "[Size \"8\"]\n[Setup \"3\"]\n[Result \"*\"]\n[Ply \"1\"]\n\n1. C1-C3 *\n");

    std::ofstream(folder + "/file") << "x";
    setenv("XDG_STATE_HOME", (folder + "/file").c_str(), 1);
    testing::internal::CaptureStderr();
    undoButton->handle(FL_RELEASE);
    redoButton->handle(FL_RELEASE);
    click(7, 1);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "tarnwick: cannot keep the game in '" + folder +
                        "/file/tarnwick/last-game.txt': Not a directory; the game goes on without it\n");
    EXPECT_EQ(game.historyPosition, 1);
}

// The game an earlier run left is read at start-up, so that "Resume last game" finds it although this
// run keeps its own game in the same file from its first change on.
TEST_F(DesktopTest, ResumeOpensTheGameTheLastRunLeftAtItsPosition) {
    startGame(6, 4, {"B1-B3", "E1-C3", "C1-E3"});
    undoButton->handle(FL_RELEASE);
    const GameState left = game;
    ASSERT_EQ(keepLastGame(), "");
    rememberLastGame();
    startGame(8, 3);
    gameChanged(GameChange::GameReplaced);
    resumeLastGame();
    EXPECT_EQ(diffPositions(game, left), "");
    EXPECT_EQ(gameHistory.historyLength, 3);
    EXPECT_EQ(window->w(), 436);
    EXPECT_TRUE(goToEndButton->visible());
}

}  // namespace
