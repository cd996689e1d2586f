// The Think button: the limits it reads, the move it plays, what it refuses, and the progress shown
// during a timed think.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Input.H>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "search/search.h"
#include "search/think.h"
#include "tests/ui/ui_fixture.h"
#include "ui/think_button.h"

namespace {

using testing_support::diffPositions;
using testing_support::sameMove;

int release() { return thinkButton->handle(FL_RELEASE); }

void typeLimits(double depth, double seconds) {
    maxDepthInput->value(depth);
    maxTimeInput->value(seconds);
}

TEST_F(MainWindowTest, TypedLimitsAreTruncatedAndBroughtIntoTheirRanges) {
    struct Case {
        double depthTyped, secondsTyped;
        int depth;
        double seconds;
    };
    const Case cases[] = {
        {30, 5, 30, 5},          {4, 0, 4, 0},      {2.9, 7.9, 2, 7},  {0, -5, 1, 0},
        {-3.5, 0.5, 1, 0},       {45, 2e6, 30, 1440000}, {1, 1440000.7, 1, 1440000},
        {std::nan(""), std::nan(""), 1, 0}, {-HUGE_VAL, HUGE_VAL, 1, 1440000},
    };
    startGame(8, 3, {"B1-B3"});
    for (const Case& c : cases) {
        searchState.depthLimit[0] = 99;
        searchState.timeLimit[0] = 99;
        typeLimits(c.depthTyped, c.secondsTyped);
        storeThinkLimits();
        EXPECT_EQ(searchState.depthLimit[1], c.depth) << c.depthTyped;
        EXPECT_EQ(searchState.timeLimit[1], c.seconds) << c.secondsTyped;
        // The fields show what the search uses; the other side's limits stay.
        EXPECT_EQ(maxDepthInput->value(), c.depth);
        EXPECT_EQ(maxTimeInput->value(), c.seconds);
        EXPECT_EQ(searchState.depthLimit[0], 99);
        EXPECT_EQ(searchState.timeLimit[0], 99);
    }
}

// With time 0 the button plays exactly the move of a fixed-depth think, all nine fields of it.
TEST_F(MainWindowTest, ThinkPlaysTheSearchedMoveAndRefreshes) {
    startGame(8, 3, {"B1-B3"});
    searchState.depthLimit[1] = 3;
    searchState.timeLimit[1] = 0;
    ASSERT_TRUE(think());
    const Move expected = searchState.bestMove;
    searchState = SearchState{};
    click(3, 1);  // a selection made before "Think!" is dropped by the computer's move
    typeLimits(3, 0);
    EXPECT_EQ(release(), 1);
    ASSERT_EQ(gameHistory.historyLength, 2);
    EXPECT_TRUE(sameMove(gameHistory.historyMoves[1], expected));
    EXPECT_EQ(gameHistory.historyMoves[1].score, expected.score);
    EXPECT_TRUE(sameMove(lastMove, expected));
    EXPECT_EQ(lastMove.score, expected.score);
    EXPECT_EQ(pendingMove.fromRow, 0);
    EXPECT_EQ(game.sideToMove, 0);
    EXPECT_FALSE(thinking);
    EXPECT_EQ(shownSquares().size(), static_cast<size_t>(game.pieceCount[0]));
    EXPECT_EQ(squareBox[expected.toRow][expected.toCol]->image(), squareImages[2][0][1][0]);
}

TEST_F(MainWindowTest, ThinkDoesNothingOnceTheGameIsDecided) {
    startGame(4, 3, {"B1xD3", "D2-B2"});
    const GameState decided = game;
    typeLimits(3, 0);
    release();
    EXPECT_EQ(diffPositions(game, decided), "");
    EXPECT_EQ(gameHistory.historyLength, 2);
    EXPECT_FALSE(thinking);
}

TEST_F(MainWindowTest, ThinkDoesNothingWhileThinking) {
    startGame(8, 3);
    const GameState before = game;
    thinking = true;
    typeLimits(3, 0);
    release();
    EXPECT_EQ(diffPositions(game, before), "");
    EXPECT_EQ(gameHistory.historyLength, 0);
    EXPECT_TRUE(thinking);
}

// Side 0 on A1 and H8, each walled in by three enemy pieces: it has no legal move, in either mode, so
// nothing is played, the outputs are hidden again, and the game can still be taken back.
TEST_F(MainWindowTest, ThinkPlaysNothingForASideWithoutMoves) {
    startPieces(8, {{1, 1}, {8, 8}}, {{1, 2}, {2, 1}, {2, 2}, {8, 7}, {7, 8}, {7, 7}});
    ASSERT_EQ(game.sideMoveCount[0], 0);
    const GameState stuck = game;
    for (double seconds : {0.0, 1.0}) {
        SCOPED_TRACE(seconds);
        typeLimits(5, seconds);
        EXPECT_EQ(release(), 1);
        // The search keeps its depth and ply in the position record; the board and counts must not move.
        game.remainingDepth = stuck.remainingDepth;
        game.searchPly = stuck.searchPly;
        EXPECT_EQ(diffPositions(game, stuck), "");
        EXPECT_EQ(gameHistory.historyLength, 0);
        EXPECT_FALSE(exploringOutput->visible());
        EXPECT_FALSE(thinking);
        const std::vector<std::pair<int, int>> pieces = {{1, 1}, {8, 8}};
        EXPECT_EQ(shownSquares(), pieces);
    }
}

// What the two outputs show each time the search lets the toolkit run, and so draw the window: the
// toolkit's own hooks, wrapped. The texts the driver put into the outputs are kept too.
struct ProgressRecord {
    std::vector<std::pair<std::string, std::string>> drawn;  // exploring and depth text, when shown
    bool bothOrNeither = true;
    bool labelled = true;
    std::set<std::string> exploringSet, depthSet;
};
ProgressRecord progress;
ToolkitHooks fltkHooks;

void recordDrawnProgress() {
    const bool exploringShown = exploringOutput->visible(), depthShown = atDepthOutput->visible();
    progress.bothOrNeither &= exploringShown == depthShown;
    if (exploringShown) {
        progress.labelled &= std::strcmp(exploringOutput->label(), "exploring ") == 0;
        progress.drawn.push_back({exploringOutput->value(), atDepthOutput->value()});
    }
    fltkHooks.processEvents();
}
void recordExploring(const char* text) {
    progress.exploringSet.insert(text);
    fltkHooks.setExploring(text);
}
void recordAtDepth(const char* text) {
    progress.depthSet.insert(text);
    fltkHooks.setAtDepth(text);
}

// isProgressText() checks the form " 3: B1-B3" / "12: C10xE12" on board 8.
bool isProgressText(const std::string& t) {
    if (t.size() != 9 || t.substr(2, 2) != ": ") return false;
    if (!(t[0] == ' ' || std::isdigit(static_cast<unsigned char>(t[0]))) || !std::isdigit(static_cast<unsigned char>(t[1])))
        return false;
    auto isSquare = [&t](size_t at) { return t[at] >= 'A' && t[at] <= 'H' && t[at + 1] >= '1' && t[at + 1] <= '8'; };
    return isSquare(4) && (t[6] == '-' || t[6] == 'x') && isSquare(7);
}

// isIterationDepth() checks for an odd depth of the timed mode, 3 to 29, written in decimal.
bool isIterationDepth(const std::string& t) {
    if (t.empty() || t.size() > 2 || !std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    const int d = std::stoi(t);
    return d >= 3 && d <= 29 && d % 2 == 1;
}

// The search lets the toolkit run at least once after showing its first root move (the time-out can
// only fire there), so at least one drawing shows the outputs, whatever the machine's speed. None may
// show them empty, with another think's texts, or one without the other.
TEST_F(MainWindowTest, ATimedThinkShowsTheRootMoveAndDepthUntilTheTimeOut) {
    startGame(8, 3, {"B1-B3"});
    progress = ProgressRecord{};
    // What a previous think could have left behind.
    exploringOutput->label("stale");
    exploringOutput->value("14: A1-A2");
    atDepthOutput->value("27");
    fltkHooks = toolkit;
    toolkit.processEvents = recordDrawnProgress;
    toolkit.setExploring = recordExploring;
    toolkit.setAtDepth = recordAtDepth;
    typeLimits(30, 1);
    release();

    EXPECT_TRUE(progress.bothOrNeither);
    EXPECT_TRUE(progress.labelled);
    ASSERT_FALSE(progress.drawn.empty()) << "the outputs were never drawn";
    for (const auto& [exploring, depth] : progress.drawn) {
        EXPECT_TRUE(isProgressText(exploring) && progress.exploringSet.count(exploring)) << "'" << exploring << "'";
        EXPECT_TRUE(isIterationDepth(depth) && progress.depthSet.count(depth)) << "'" << depth << "'";
    }
    EXPECT_FALSE(exploringOutput->visible());
    EXPECT_FALSE(atDepthOutput->visible());
    ASSERT_EQ(gameHistory.historyLength, 2);
    EXPECT_EQ(searchState.stopRequested, 1);  // ended by the time-out, not by the depth limit
    EXPECT_FALSE(thinking);
}

}  // namespace
