// The position options both programs take: each is checked where it enters, --record goes alone, the
// record file is read whole or refused with its name, and the game is set up from the record or the
// moves.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "records/position_options.h"
#include "records/record.h"
#include "tests/test_support.h"

namespace {

struct OptionCase {
    const char* option;
    const char* value;
    bool lists;
    const char* error;       // "" when taken
    std::vector<int> taken;  // the sizes or setups taken
};

const OptionCase optionCases[] = {
    {"--size", "12", false, "", {12}},
    {"--size", "4-6", true, "", {4, 5, 6}},
    {"--size", "5,8", true, "", {5, 8}},
    {"--size", "4-6", false, "option --size: '4-6' is not a whole number from 4 to 16", {}},
    {"--size", "4-4", false, "option --size: '4-4' is not a whole number from 4 to 16", {}},
    {"--setup", "2,2", false, "option --setup: '2,2' is not a whole number from 0 to 8", {}},
    {"--size", "17", true, "option --size: '17' is not a whole number from 4 to 16 (or a list such as 4-16)", {}},
    {"--size", "3", false, "option --size: '3' is not a whole number from 4 to 16", {}},
    {"--setup", "0", false, "", {0}},
    {"--setup", "9", false, "option --setup: '9' is not a whole number from 0 to 8", {}},
    {"--setup", "x", true, "option --setup: 'x' is not a whole number from 0 to 8 (or a list such as 0-8)", {}},
    {"--record", "", false, "option --record: the file name is empty", {}},
};

TEST(PositionOptionsTest, EachOptionIsCheckedWhereItEnters) {
    for (const OptionCase& c : optionCases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value + (c.lists ? " (lists)" : ""));
        PositionOptions options;
        std::string error;
        ASSERT_TRUE(parsePositionOption(c.option, c.value, c.lists, options, error));
        EXPECT_EQ(error, c.error);
        if (error.empty()) {
            const bool size = std::string(c.option) == "--size";
            EXPECT_EQ(size ? options.sizes : options.setups, c.taken);
            EXPECT_EQ(size ? options.size : options.setup, c.taken.front());
            EXPECT_TRUE(options.anyPositionOption());
        }
    }
    PositionOptions options;
    std::string error;
    EXPECT_FALSE(parsePositionOption("--depth", "3", true, options, error));
    EXPECT_FALSE(parsePositionOption("--records", "games", true, options, error));
    EXPECT_FALSE(options.anyPositionOption());
}

TEST(PositionOptionsTest, ARecordGoesWithNoOtherPositionOption) {
    const char* others[] = {"--size", "--setup", "--moves"};
    for (const char* other : others) {
        PositionOptions options;
        std::string error;
        parsePositionOption("--record", "game.txt", false, options, error);
        parsePositionOption(other, "5", false, options, error);
        EXPECT_EQ(checkPositionOptions(options), std::string("option --record cannot be combined with ") + other +
                                                     ": the record gives the size, the setup and the moves");
    }
    PositionOptions alone, without;
    std::string error;
    parsePositionOption("--record", "-", false, alone, error);
    parsePositionOption("--size", "6", false, without, error);
    parsePositionOption("--moves", "B1-B3", false, without, error);
    EXPECT_EQ(checkPositionOptions(alone), "");
    EXPECT_EQ(checkPositionOptions(without), "");
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tarnwick-record-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
    }
    void TearDown() override {
        std::remove(path.c_str());
        rmdir(directory.c_str());
    }

    std::string write(const std::string& text) {
        path = directory + "/game.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string directory, path;
};

TEST_F(RecordFileTest, TheFileIsReadWholeOrRefusedWithItsName) {
    PositionOptions options;
    options.recordPath = write("[Size \"6\"]\n\n1. B1-B3 *\n");
    EXPECT_EQ(readRecordSource(options), "");
    EXPECT_EQ(options.recordText, "[Size \"6\"]\n\n1. B1-B3 *\n");

    options.recordPath = directory + "/missing.txt";
    EXPECT_EQ(readRecordSource(options), "option --record: cannot read '" + directory + "/missing.txt': No such file or directory");
    options.recordPath = directory;
    EXPECT_EQ(readRecordSource(options), "option --record: cannot read '" + directory + "': Is a directory");

    options.recordPath = write(std::string(MAX_RECORD_BYTES, ' '));
    EXPECT_EQ(readRecordSource(options), "");
    options.recordPath = write(std::string(MAX_RECORD_BYTES + 1, ' '));
    EXPECT_EQ(readRecordSource(options), "option --record: '" + path + "' is larger than 1048576 bytes, too large for a game record");
}

// A record sets up its game; a bad one is refused with the file and the line, and the game stays.
TEST(PositionOptionsTest, TheGameComesFromTheRecordOrFromTheMoves) {
    PositionOptions fromMoves;
    fromMoves.size = 6;
    fromMoves.setup = 4;
    fromMoves.moves = "B1-B3,B6-B4";
    ASSERT_EQ(setUpGame(fromMoves), "");
    const GameState played = game;

    PositionOptions fromRecord;
    fromRecord.recordPath = "game.txt";
    fromRecord.recordText = "[Size \"6\"]\n[Setup \"4\"]\n\n1. B1-B3 B6-B4 *\n";
    ASSERT_EQ(testing_support::setUpGame(8, 3, {"B1-B3"}), "");
    ASSERT_EQ(setUpGame(fromRecord), "");
    EXPECT_EQ(testing_support::diffPositions(game, played), "");
    EXPECT_EQ(gameHistory.historyLength, 2);

    fromRecord.recordText = "[Size \"6\"]\n[Setup \"4\"]\n\n1. B1-B3 B6-B3 *\n";
    EXPECT_EQ(setUpGame(fromRecord), "game.txt:4: 'B6-B3': move 2: not a legal move in this position");
    EXPECT_EQ(testing_support::diffPositions(game, played), "");
    fromRecord.recordPath = "-";
    EXPECT_EQ(setUpGame(fromRecord), "stdin:4: 'B6-B3': move 2: not a legal move in this position");
}

}  // namespace
