// The analysis of a game one move at a time: the marks by the drop from the best score, each step the
// searches of the tool's definition on the position before and after the move, the game left as it was
// whatever it shows, and the moves of the history that an analysis covers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/game_analysis.h"
#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/history.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "tests/test_support.h"

namespace {

using testing_support::diffPositions;
using testing_support::sameMove;
using testing_support::setUpGame;

const std::vector<std::string> LINE = {"B1-B3", "H7-G6", "C8-C6", "G6xC6", "B8-D6", "H6xD6", "G1-G3", "D6xG3"};

// lineRecord() is the record of the first `plies` moves of LINE on board 8, setup 3.
GameRecord lineRecord(size_t plies = LINE.size()) {
    const std::vector<std::string> moves(LINE.begin(), LINE.begin() + plies);
    EXPECT_EQ(setUpGame(8, 3, moves), "");
    GameRecord record;
    record.moves.assign(gameHistory.historyMoves.begin(), gameHistory.historyMoves.begin() + game.historyPosition);
    return record;
}

Move squares(int fromRow, int fromCol, int toRow, int toCol) { return {fromRow, fromCol, toRow, toCol, 0, 0, 0, NO_PIECE, 0}; }

TEST(GameAnalysis, MarksFollowTheDropFromTheBestScore) {
    const Move played = squares(1, 2, 3, 2), other = squares(1, 3, 3, 3);
    const int32_t win = WIN_SCORE + 100, loss = -WIN_SCORE - 100;
    struct MarkCase {
        const char* what;
        Move best;
        int32_t score, bestScore;
        Mark mark;
    };
    const MarkCase cases[] = {
        {"the best move itself, whatever the scores", played, -5000, 5000, Mark::Plain},
        {"a drop below one step", other, 977, 2000, Mark::Plain},
        {"a drop of one step", other, 976, 2000, Mark::Dubious},
        {"just below three steps", other, -1071, 2000, Mark::Dubious},
        {"three steps", other, -1072, 2000, Mark::Blunder},
        {"a decided win thrown away", other, 3000, win, Mark::Blunder},
        {"a decided loss walked into", other, loss, -3000, Mark::Blunder},
        {"a slower win", other, win - 50, win, Mark::Plain},
        {"a longer loss than the best defence", other, loss - 50, loss, Mark::Plain},
        {"a loss where the best also loses", other, loss, loss + 50, Mark::Plain},
    };
    for (const MarkCase& c : cases) EXPECT_EQ(markMove(played, c.best, c.score, c.bestScore), c.mark) << c.what;
    EXPECT_STREQ(markText(Mark::Plain), "");
    EXPECT_STREQ(markText(Mark::Dubious), "?");
    EXPECT_STREQ(markText(Mark::Blunder), "??");
}

// searchFor() is the tool's `search depth` on the position after the first `plies` moves of LINE.
int32_t searchFor(size_t plies, int depth, Move& best) {
    lineRecord(plies);
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = 0;
    think();
    best = searchState.bestMove;
    return best.score;
}

// Each step's best move and score are search D before the move, its score the negated search D - 1 after
// it; for both players.
TEST(GameAnalysis, EachStepIsTheSearchBeforeAndOneShallowerAfterTheMove) {
    for (Engine engine : {Engine::Classic, Engine::Strong}) {
        SCOPED_TRACE(engineName(engine));
        chooseEngine(engine);
        const int depth = 3;
        GameAnalysis analysis = startGameAnalysis(lineRecord(), depth);
        while (!analysisComplete(analysis)) analyseNextMove(analysis);
        ASSERT_EQ(analysis.moves.size(), LINE.size());
        for (size_t i = 0; i < LINE.size(); ++i) {
            SCOPED_TRACE("move " + std::to_string(i + 1));
            const MoveAnalysis& found = analysis.moves[i];
            Move best, reply;
            const int32_t bestScore = searchFor(i, depth, best);
            const int32_t after = searchFor(i + 1, depth - 1, reply);
            EXPECT_TRUE(sameMove(found.played, analysis.line.moves[i]));
            EXPECT_TRUE(sameMove(found.best, best));
            EXPECT_EQ(found.bestScore, bestScore);
            EXPECT_EQ(found.score, -after);
            EXPECT_EQ(found.mark, markMove(found.played, best, -after, bestScore));
        }
    }
    chooseEngine(Engine::Classic);
}

// The window analyses while it shows any position of the history: a step leaves the position, the history,
// the last move and the selection as they were, and finds the same whatever is shown.
TEST(GameAnalysis, AStepLeavesTheGameAsItWasAndDoesNotDependOnIt) {
    const GameRecord line = lineRecord();
    GameAnalysis atEnd = startGameAnalysis(line, 2);
    analyseNextMove(atEnd);
    analyseNextMove(atEnd);

    ASSERT_EQ(setUpGame(6, 4, {"B1-B3", "E1-C3", "C1-E3"}), "");
    undoStep();
    pendingMove.fromRow = 2;
    pendingMove.fromCol = 1;
    const GameState position = game;
    const std::vector<Move> history = gameHistory.historyMoves;
    const Move last = lastMove;
    GameAnalysis elsewhere = startGameAnalysis(line, 2);
    analyseNextMove(elsewhere);
    analyseNextMove(elsewhere);
    EXPECT_EQ(diffPositions(position, game), "");
    EXPECT_EQ(gameHistory.historyMoves.size(), history.size());
    EXPECT_EQ(gameHistory.historyLength, 3);
    EXPECT_TRUE(sameMove(lastMove, last));
    EXPECT_EQ(pendingMove.fromRow, 2);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(sameMove(elsewhere.moves[i].best, atEnd.moves[i].best));
        EXPECT_EQ(elsewhere.moves[i].score, atEnd.moves[i].score);
        EXPECT_EQ(elsewhere.moves[i].bestScore, atEnd.moves[i].bestScore);
    }
    analyseNextMove(elsewhere);
    EXPECT_EQ(elsewhere.moves.size(), 3u);
    GameAnalysis done = startGameAnalysis(lineRecord(0), 2);
    EXPECT_TRUE(analysisComplete(done));
    analyseNextMove(done);
    EXPECT_TRUE(done.moves.empty());
}

// The moves of the history an analysis covers: those of its own board, setup and line that it analysed.
TEST(GameAnalysis, TheHistoryMovesItCoversAreThoseOfItsLine) {
    GameAnalysis analysis = startGameAnalysis(lineRecord(), 1);
    for (int i = 0; i < 5; ++i) analyseNextMove(analysis);
    struct CoverCase {
        const char* what;
        int size, setup;
        std::vector<std::string> moves;
        int undone;
        size_t covered;
    };
    const CoverCase cases[] = {
        {"the whole line: the moves analysed", 8, 3, LINE, 0, 5},
        {"also with moves taken back", 8, 3, LINE, 6, 5},
        {"a shorter history", 8, 3, {"B1-B3", "H7-G6", "C8-C6"}, 0, 3},
        {"a line that leaves it at move 3", 8, 3, {"B1-B3", "H7-G6", "B8-D6"}, 0, 2},
        {"another first move", 8, 3, {"C1-C3"}, 0, 0},
        {"another setup", 8, 4, {}, 0, 0},
    };
    for (const CoverCase& c : cases) {
        ASSERT_EQ(setUpGame(c.size, c.setup, c.moves), "") << c.what;
        for (int i = 0; i < c.undone; ++i) undoStep();
        EXPECT_EQ(analysedMoves(analysis), c.covered) << c.what;
    }
}

// The value after each ply is for side 0: a score of side 1's move counts against it.
TEST(GameAnalysis, PositionValuesAreForSideZero) {
    GameAnalysis analysis;
    analysis.moves = {{squares(1, 2, 3, 2), 300, squares(1, 2, 3, 2), 400, Mark::Plain},
                      {squares(7, 8, 6, 7), 250, squares(7, 8, 6, 7), 250, Mark::Plain},
                      {squares(8, 3, 6, 3), -7000, squares(8, 3, 6, 3), WIN_SCORE, Mark::Blunder}};
    EXPECT_EQ(positionValue(analysis, 0), 400);
    EXPECT_EQ(positionValue(analysis, 1), 300);
    EXPECT_EQ(positionValue(analysis, 2), -250);
    EXPECT_EQ(positionValue(analysis, 3), -7000);
}

}  // namespace
