// Annotated records: the record reader keeps the comments after each move, the writer puts them back
// after their moves, an analysis written as comments reads back to the same analysis on every board, and
// a comment of another kind is no annotation.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/annotations.h"
#include "analysis/game_analysis.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/record.h"
#include "tests/test_support.h"

namespace {

using testing_support::legalMoves;
using testing_support::sameMove;
using testing_support::setUpGame;

GameRecord readOrFail(const std::string& text) {
    GameRecord record;
    RecordError error;
    EXPECT_TRUE(readRecord(text, record, error)) << describeRecordError(error);
    return record;
}

TEST(Annotations, TheReaderKeepsTheCommentsAfterEachMove) {
    const GameRecord record = readOrFail(
        "[Size \"8\"]\n{before the moves}\n1. {after a number} B1-B3 {one} {two}\nH7-G6 2.C8-C6{glued}\n{on its own line} *\n");
    ASSERT_EQ(record.moves.size(), 3u);
    EXPECT_EQ(record.moveComments, (std::vector<std::string>{"one two", "", "glued on its own line"}));
}

// playRandomGame() plays up to `plies` random legal moves on a new game and returns its record.
GameRecord playRandomGame(std::mt19937& random, int size, int setup, int plies) {
    EXPECT_EQ(setUpGame(size, setup), "");
    for (int i = 0; i < plies && winner() < 0; ++i) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty()) break;
        commitMove(moves[random() % moves.size()]);
    }
    GameRecord record;
    record.size = size;
    record.setup = setup;
    record.moves.assign(gameHistory.historyMoves.begin(), gameHistory.historyMoves.begin() + game.historyPosition);
    return record;
}

// An analysis written into the record reads back to the same analysis, and the record to the same game,
// on small, middle and large boards; an analysis that covers only the first moves writes only theirs.
TEST(Annotations, AnAnalysisWrittenAsCommentsReadsBackTheSame) {
    std::mt19937 random(20);
    for (const auto& [size, setup] : {std::pair{5, 6}, {8, 3}, {12, 1}, {16, 8}}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const GameRecord line = playRandomGame(random, size, setup, 24);
        GameAnalysis analysis = startGameAnalysis(line, 1);
        for (size_t i = 0; i + 2 < line.moves.size(); ++i) analyseNextMove(analysis);
        const std::string text = recordText("", annotationComments(analysis));
        for (size_t start = 0, end; start < text.size(); start = end + 1) {
            end = text.find('\n', start);
            EXPECT_LE(end - start, 79u) << text.substr(start, end - start);
        }
        const GameRecord reread = readOrFail(text);
        ASSERT_EQ(reread.moves.size(), line.moves.size());
        const GameAnalysis back = analysisFromRecord(reread);
        ASSERT_EQ(back.moves.size(), analysis.moves.size());
        for (size_t i = 0; i < back.moves.size(); ++i) {
            SCOPED_TRACE("move " + std::to_string(i + 1));
            const MoveAnalysis &a = analysis.moves[i], &b = back.moves[i];
            EXPECT_TRUE(sameMove(b.played, a.played));
            EXPECT_TRUE(sameMove(b.best, a.best));
            EXPECT_EQ(b.score, a.score);
            EXPECT_EQ(b.bestScore, a.bestScore);
            EXPECT_EQ(b.mark, a.mark);
        }
        EXPECT_EQ(recordText(), recordText("", std::vector<std::string>(reread.moves.size())));
    }
}

TEST(Annotations, TheCommentOfAMoveNamesItsScoreMarkAndBestMove) {
    Move best{};
    ASSERT_EQ(setUpGame(8, 3), "");
    best = legalMoves()[0];
    const MoveAnalysis marked{best, -1545, best, 2049, Mark::Blunder};
    EXPECT_EQ(annotationText(marked), "-1545 ?? best " + moveText(best) + " 2049");
    const MoveAnalysis plain{best, 312, best, 400, Mark::Plain};
    EXPECT_EQ(annotationText(plain), "312 best " + moveText(best) + " 400");
}

// Comments of other kinds end the analysis read from a record: only the moves before them are analysed.
TEST(Annotations, ACommentOfAnotherKindIsNoAnnotation) {
    const char* const others[] = {
        "a fine move",
        "312 best B1-B3",              // no best score
        "312 ! best B1-B3 400",        // no mark of the analysis
        "312 ?? B1-B3 400",            // no "best"
        "312 best B1-B9 400",          // not a legal move here
        "3a2 best B1-B3 400",          // no number
        "99999999999 best B1-B3 400",  // beyond the scores
        "",
    };
    for (const char* other : others) {
        SCOPED_TRACE(other);
        const GameRecord record = readOrFail(std::string("1. B1-B3 {10 best B1-B3 10} H7-G6 {-1 ? best A2-C2 2000}\n") +
                                             "2. C8-C6 {" + other + "} G6xC6 {2562 best G6xC6 2562} *\n");
        const GameAnalysis analysis = analysisFromRecord(record);
        ASSERT_EQ(analysis.moves.size(), 2u);
        EXPECT_EQ(analysis.moves[1].mark, Mark::Dubious);
        EXPECT_EQ(moveText(analysis.moves[1].best), "A2-C2");
        EXPECT_EQ(analysis.moves[1].bestScore, 2000);
    }
}

}  // namespace
