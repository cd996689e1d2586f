// Game records: what the writer writes reads back to the same game on every board and setup; the reader
// takes the forms people write and refuses everything else with the line, the token and the reason,
// leaving the game as it was; the result token always says who has won.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/notation.h"
#include "records/record.h"
#include "tests/test_support.h"

namespace {

using testing_support::diffPositions;
using testing_support::legalMoves;
using testing_support::sameMove;
using testing_support::setUpGame;

std::string moveTexts(const std::vector<Move>& moves) {
    std::string text;
    for (const Move& m : moves) text += (text.empty() ? "" : " ") + moveText(m);
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// playRandomly() plays up to `plies` random legal moves, stopping when a side has won.
void playRandomly(std::mt19937& random, int plies) {
    for (int i = 0; i < plies && winner() < 0; ++i) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty()) return;
        commitMove(moves[random() % moves.size()]);
    }
}

TEST(RecordTest, WrittenRecordsReadBackToTheSameGameOnEveryBoardAndSetup) {
    std::mt19937 random(11);
    int finished = 0;
    for (int size = 4; size <= MAX_BOARD_SIZE; ++size)
        for (int setup = 0; setup <= 8; ++setup) {
            SCOPED_TRACE("size " + std::to_string(size) + " setup " + std::to_string(setup));
            startPosition(size, setup);
            startHistory();
            playRandomly(random, 10 + static_cast<int>(random() % 150));
            finished += winner() >= 0;
            const GameState played = game;
            const std::vector<Move> line = gameHistory.historyMoves;
            const std::string text = recordText();

            GameRecord record;
            RecordError error;
            ASSERT_TRUE(readRecord(text, record, error)) << describeRecordError(error) << "\n" << text;
            EXPECT_EQ(diffPositions(game, played), "") << "reading changed the game";
            EXPECT_EQ(record.size, size);
            EXPECT_EQ(record.setup, setup);
            ASSERT_EQ(record.moves.size(), line.size());
            for (size_t i = 0; i < line.size(); ++i) EXPECT_TRUE(sameMove(record.moves[i], line[i])) << "move " << i + 1;

            loadRecord(record);
            EXPECT_EQ(diffPositions(game, played), "");
            EXPECT_EQ(recordText(), text);
            for (const std::string& l : lines(text)) EXPECT_LE(l.size(), 79u) << l;
        }
    EXPECT_GT(finished, 0) << "no game reached its end: the results 1-0 and 0-1 went untried";
}

TEST(RecordTest, WriterGivesTagsBlankLineNumberedMovesAndResult) {
    ASSERT_EQ(setUpGame(8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}), "");
    EXPECT_EQ(recordText(), "[Size \"8\"]\n[Setup \"3\"]\n[Result \"*\"]\n\n1. F1-D3 H7-H1 2. C8-C6 A2-C4 *\n");
    ASSERT_EQ(setUpGame(12, 7), "");
    EXPECT_EQ(recordText(), "[Size \"12\"]\n[Setup \"7\"]\n[Result \"*\"]\n\n*\n");
}

// Lines are filled up to 79 characters; a move never leaves its number behind on the line before.
TEST(RecordTest, LongGamesWrapBefore80ColumnsWithEachNumberBesideItsMove) {
    std::mt19937 random(3);
    startPosition(16, 8);
    startHistory();
    playRandomly(random, 400);
    ASSERT_GT(game.historyPosition, 100);
    const std::vector<std::string> written = lines(recordText());
    ASSERT_GT(written.size(), 10u);
    for (size_t i = 4; i < written.size(); ++i) {
        SCOPED_TRACE(written[i]);
        EXPECT_LE(written[i].size(), 79u);
        EXPECT_NE(written[i].back(), '.');
        if (i + 1 < written.size()) {
            std::istringstream next(written[i + 1]);
            std::string unit, move;
            next >> unit;
            if (unit.back() == '.' && next >> move) unit += " " + move;
            EXPECT_GT(written[i].size() + 1 + unit.size(), 79u) << "'" << unit << "' would have fitted";
        }
    }
}

TEST(RecordTest, OnlyTheMovesUpToThePositionShownAreWritten) {
    ASSERT_EQ(setUpGame(8, 3, {"B1-B3", "A3xC1", "C8-C6"}), "");
    undoStep();
    undoStep();
    EXPECT_EQ(recordText(), "[Size \"8\"]\n[Setup \"3\"]\n[Result \"*\"]\n\n1. B1-B3 *\n");
}

// The result is computed from the position: the side whose pieces are all connected, the mover when a
// move connects both sides at once.
TEST(RecordTest, FinishedGamesCarryTheirResult) {
    struct Finished {
        int size, setup;
        std::vector<std::string> moves;
        const char* result;
    };
    const Finished cases[] = {
        {4, 3, {"B1-B3", "A2-C2", "B4-B2"}, "1-0"},
        {4, 3, {"B1xD3", "D2-B2"}, "0-1"},
        {6, 0, {"D5xB3", "E3-E5", "C5-D4", "E4-D5", "D4-C5", "E5-D6", "D2xB4"}, "1-0"},  // both connected
        {4, 3, {"B1-B3"}, "*"},
    };
    for (const Finished& c : cases) {
        ASSERT_EQ(setUpGame(c.size, c.setup, c.moves), "");
        const std::string text = recordText();
        SCOPED_TRACE(text);
        EXPECT_NE(text.find(std::string("[Result \"") + c.result + "\"]"), std::string::npos);
        EXPECT_EQ(text.substr(text.size() - std::string(c.result).size() - 2), std::string(" ") + c.result + "\n");
        GameRecord record;
        RecordError error;
        EXPECT_TRUE(readRecord(text, record, error)) << describeRecordError(error);
    }
}

struct GoodRecord {
    const char* what;
    const char* text;
    int size, setup;
    const char* moves;
};

const GoodRecord goodRecords[] = {
    {"a result alone: board 8, setup 3", "*", 8, 3, ""},
    {"other tags ignored", "[Size \"6\"]\n[Setup \"4\"]\n[Date \"2024.05.01\"]\n[Side0 \"Ann\"]\n\n1. B1-B3 B6-B4 2. C1-C3 *", 6, 4,
     "B1-B3 B6-B4 C1-C3"},
    {"unnumbered moves", "B1-B3 A3xC1 C8-C6 *", 8, 3, "B1-B3 A3xC1 C8-C6"},
    {"numbers glued to their moves", "1.B1-B3 A3xC1 2.C8-C6 *", 8, 3, "B1-B3 A3xC1 C8-C6"},
    {"some moves numbered", "B1-B3 A3xC1 2. C8-C6 *", 8, 3, "B1-B3 A3xC1 C8-C6"},
    {"lower case", "b1-b3 a3XC1 *", 8, 3, "B1-B3 A3xC1"},
    {"comments, line breaks, CRLF and a byte-order mark",
     "\xEF\xBB\xBF[Size \"8\"]\r\n\r\n1. B1-B3 {a quiet move} A3xC1\r\n{one comment\nover two lines}2. C8-C6\n\n*\r\n", 8,
     3, "B1-B3 A3xC1 C8-C6"},
    {"two tags on one line", "[Setup \"5\"] [Size \"8\"]\n1. C1xA3 *", 8, 5, "C1xA3"},
    {"a finished game may say *", "[Size \"4\"]\n\n1. B1xD3 D2-B2 *", 4, 3, "B1xD3 D2-B2"},
    {"the Result tag agrees", "[Result \"0-1\"]\n[Size \"4\"]\n\n1. B1xD3 D2-B2 0-1", 4, 3, "B1xD3 D2-B2"},
};

TEST(RecordTest, ReaderTakesTheFormsPeopleWrite) {
    for (const GoodRecord& c : goodRecords) {
        SCOPED_TRACE(c.what);
        GameRecord record;
        RecordError error;
        ASSERT_TRUE(readRecord(c.text, record, error)) << describeRecordError(error);
        EXPECT_EQ(record.size, c.size);
        EXPECT_EQ(record.setup, c.setup);
        EXPECT_EQ(moveTexts(record.moves), c.moves);
    }
}

struct BadRecord {
    const char* text;
    int line;
    const char* token;
    const char* problem;  // the start of the problem
};

const BadRecord badRecords[] = {
    {"[Size \"20\"]\n\n*", 1, "[Size \"20\"]", "the size is not a whole number from 4 to 16"},
    {"[Event \"x\"]\n[Size \"3\"]\n\n*", 2, "[Size \"3\"]", "the size is not a whole number from 4 to 16"},
    {"[Size \"eight\"]\n*", 1, "[Size \"eight\"]", "the size is not a whole number from 4 to 16"},
    {"[Setup \"9\"]\n*", 1, "[Setup \"9\"]", "the setup is not a whole number from 0 to 8"},
    {"[Size 8]\n*", 1, "[Size 8]", "not a tag"},
    {"[Size \"8\"\n*", 1, "[Size \"8\"", "not a tag"},
    {"[\"8\"]\n*", 1, "[\"8\"]", "not a tag"},
    {"[Size \"8\"]\n[Size \"8\"]\n*", 2, "[Size \"8\"]", "the Size tag is repeated (first on line 1)"},
    {"[Result \"2-0\"]\n*", 1, "[Result \"2-0\"]", "the result is not 1-0, 0-1 or *"},
    {"1. B1-B3\n[Date \"x\"] *", 2, "[Date \"x\"]", "a tag after the moves"},
    {"1. B1-B3 A3xC1\n2. C8-C6 castles *", 2, "castles", "not a move (like B1-B3)"},
    {"1. B1-B4 *", 1, "B1-B4", "move 1: not a legal move in this position"},
    {"1. B1-B3\nA3-C1 *", 2, "A3-C1", "move 2: the move captures: write it with x"},
    {"1. B1-B3 B8-B6 *", 1, "B8-B6", "move 2: the piece on B8 is not of the side to move"},
    {"[Size \"4\"]\n1. E1-E2 *", 2, "E1-E2", "move 1: square E1 is off the board"},
    {"2. B1-B3 *", 1, "2.", "the move number does not fit: the next move is number 1"},
    {"1. B1-B3 2. A3xC1 *", 1, "2.", "a move number stands only before side 0's move"},
    {"1. B1-B3 A3xC1 3.C8-C6 *", 1, "3.C8-C6", "the move number does not fit: the next move is number 2"},
    {"1. B1-B3 A3xC1 99999999999. C8-C6 *", 1, "99999999999.", "the move number does not fit"},
    {"1. 1. B1-B3 *", 1, "1.", "a move number after a move number"},
    {"1. B1-B3 A3xC1 2. *", 1, "2.", "a move number without its move"},
    {"1. B1-B3 A3xC1\n", 1, "A3xC1", "the record does not end with a result (1-0, 0-1 or *)"},
    {"[Size \"6\"]\n\n", 1, "", "the record does not end with a result"},
    {"", 1, "", "the record does not end with a result"},
    {"[Size \"4\"]\n\n1. B1xD3 D2-B2 2. C1-C3 0-1", 3, "C1-C3",
     "move 3: the game is over: side 1 has connected all its pieces"},
    {"[Size \"4\"]\n\n1. B1xD3 D2-B2 1-0", 3, "1-0",
     "the result does not match the position: side 1 has connected all its pieces"},
    {"1. B1-B3 1-0", 1, "1-0", "the result does not match the position: no side has connected all its pieces"},
    {"[Result \"1-0\"]\n\n1. B1-B3 *", 3, "*", "the result contradicts the Result tag on line 1"},
    {"1. B1-B3 * A3xC1", 1, "A3xC1", "nothing may follow the result *"},
    {"1. B1-B3 {never closed\nA3xC1 *", 1, "{", "the comment is not closed with }"},
    {"{a\ncomment\n}\n1. B1-B4 *", 4, "B1-B4", "move 1: not a legal move"},
    {"1. B1-B3\r\nB9-B1 *", 2, "B9-B1", "move 2: square B9 is off the board"},
};

// Each bad record is refused with its line, its token and the reason, and the game in play stays as
// it was: the position, the history with its moves to replay, the last move.
TEST(RecordTest, BadRecordsAreRefusedWithLineTokenAndReasonAndChangeNothing) {
    ASSERT_EQ(setUpGame(6, 4, {"B1-B3", "B6-B4", "C1-C3"}), "");
    undoStep();
    const GameState before = game;
    const std::string recordBefore = recordText();
    const Move lastBefore = lastMove;
    for (const BadRecord& c : badRecords) {
        SCOPED_TRACE(std::string("record: ") + c.text);
        GameRecord record;
        RecordError error;
        ASSERT_FALSE(readRecord(c.text, record, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.token, c.token);
        EXPECT_EQ(error.problem.compare(0, std::string(c.problem).size(), c.problem), 0) << error.problem;
        const std::string described = describeRecordError(error);
        EXPECT_EQ(described.find('\n'), std::string::npos) << described;
        EXPECT_EQ(diffPositions(game, before), "");
        EXPECT_EQ(gameHistory.historyLength, 3);
        EXPECT_EQ(recordText(), recordBefore);
        EXPECT_TRUE(sameMove(lastMove, lastBefore));
    }
}

// A text of more than MAX_RECORD_BYTES is refused before it is taken apart, also when it comes from
// the clipboard, where no file size was checked; one of that size is read.
TEST(RecordTest, ATextLargerThanAnyRecordIsRefusedUnread) {
    const std::string fits = "1. B1-B3 *" + std::string(MAX_RECORD_BYTES - 10, ' ');
    const std::string tooLarge = fits + " ";
    GameRecord record;
    RecordError error;
    EXPECT_TRUE(readRecord(fits, record, error)) << describeRecordError(error);
    EXPECT_FALSE(readRecord(tooLarge, record, error));
    EXPECT_EQ(describeRecordError(error), "line 1: larger than 1048576 bytes, too large for a game record");
    EXPECT_FALSE(readRecordOrMoves(std::string(MAX_RECORD_BYTES + 1, ' '), 8, 3, record, error));
    EXPECT_EQ(error.problem, "larger than 1048576 bytes, too large for a game record");
}

TEST(RecordTest, RefusalsNameTheSourceLineAndAShortPrintableToken) {
    const RecordError illegal{7, "B1-B4", "move 1: not a legal move in this position"};
    EXPECT_EQ(describeRecordError(illegal), "line 7: 'B1-B4': move 1: not a legal move in this position");
    EXPECT_EQ(describeRecordError(illegal, "game.txt"), "game.txt:7: 'B1-B4': move 1: not a legal move in this position");
    const RecordError empty{1, "", "the record does not end with a result (1-0, 0-1 or *)"};
    EXPECT_EQ(describeRecordError(empty), "line 1: the record does not end with a result (1-0, 0-1 or *)");
    const RecordError strange{2, std::string("a\tb\x01\xC3\xA9") + std::string(60, 'x'), "unknown"};
    EXPECT_EQ(describeRecordError(strange), "line 2: 'a?b???" + std::string(34, 'x') + "...': unknown");
}

TEST(RecordTest, ABareListOfMovesIsPlayedOnTheGivenBoardAndSetup) {
    GameRecord record;
    RecordError error;
    ASSERT_TRUE(readRecordOrMoves("C1xA3 C8xA6\n", 8, 5, record, error)) << describeRecordError(error);
    EXPECT_EQ(record.size, 8);
    EXPECT_EQ(record.setup, 5);
    EXPECT_EQ(moveTexts(record.moves), "C1xA3 C8xA6");
    // A result token or a tag makes it a record, with the record's own board and setup.
    ASSERT_TRUE(readRecordOrMoves("B1-B3 *", 8, 5, record, error)) << describeRecordError(error);
    EXPECT_EQ(record.setup, 3);
    EXPECT_FALSE(readRecordOrMoves("[Size \"6\"]\n1. B1-B3", 8, 5, record, error));
    EXPECT_EQ(error.problem, "the record does not end with a result (1-0, 0-1 or *)");
    // A bare list is checked like a record's moves; an empty one is nothing to take.
    EXPECT_FALSE(readRecordOrMoves("C1xA3 C1-C3", 8, 5, record, error));
    EXPECT_EQ(error.token, "C1-C3");
    EXPECT_FALSE(readRecordOrMoves(" \n{just a comment}\n", 8, 5, record, error));
    EXPECT_EQ(error.problem, "neither a record nor a list of moves");
}

}  // namespace
