// The Think button: the limits it reads, the move it plays, what it refuses, and the progress shown
// during a timed think.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Input.H>

#include <cctype>
#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "search/search.h"
#include "search/think.h"
#include "tests/ui/ui_fixture.h"
#include "ui/think_button.h"

namespace {

using testing_support::diffPositions;

int release() { return thinkButton->handle(FL_RELEASE); }

void typeLimits(double depth, double seconds) {
    maxDepthInput->value(depth);
    maxTimeInput->value(seconds);
}

bool sameMove(const Move& a, const Move& b) { return std::memcmp(&a, &b, sizeof(Move)) == 0; }

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
    EXPECT_TRUE(sameMove(lastMove, expected));
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

// What the two outputs show, sampled by a timer of our own that the toolkit runs whenever the search
// lets it process events.
struct ProgressSamples {
    int taken = 0, shown = 0;
    std::set<std::string> exploring, depths;
    bool labelled = true;
};
ProgressSamples samples;

void sampleProgress(void*) {
    ++samples.taken;
    if (exploringOutput->visible() && atDepthOutput->visible()) {
        ++samples.shown;
        samples.labelled &= std::strcmp(exploringOutput->label(), "exploring ") == 0;
        samples.exploring.insert(exploringOutput->value());
        samples.depths.insert(atDepthOutput->value());
    }
    Fl::repeat_timeout(0.02, sampleProgress);
}

// isProgressText() checks the form " 3: B1-B3" / "12: C10xE12".
bool isProgressText(const std::string& t) {
    if (t.size() < 9 || t.size() > 11 || t.substr(2, 2) != ": ") return false;
    if (!(t[0] == ' ' || std::isdigit(static_cast<unsigned char>(t[0]))) || !std::isdigit(static_cast<unsigned char>(t[1])))
        return false;
    const size_t sign = t.find_first_of("-x", 4);
    return sign != std::string::npos && t[4] >= 'A' && t[4] <= 'H' && t[sign + 1] >= 'A' && t[sign + 1] <= 'H';
}

TEST_F(MainWindowTest, ATimedThinkShowsTheRootMoveAndDepthUntilTheTimeOut) {
    startGame(8, 3, {"B1-B3"});
    samples = ProgressSamples{};
    exploringOutput->label("stale");
    Fl::add_timeout(0.02, sampleProgress);
    typeLimits(30, 1);
    release();
    Fl::remove_timeout(sampleProgress);
    EXPECT_GT(samples.shown, 5);
    EXPECT_TRUE(samples.labelled);
    EXPECT_GE(samples.exploring.size(), 2u);
    for (const std::string& text : samples.exploring) EXPECT_TRUE(isProgressText(text)) << "'" << text << "'";
    for (const std::string& depth : samples.depths) {
        const int d = std::stoi(depth);
        EXPECT_TRUE(d >= 3 && d <= 29 && d % 2 == 1) << depth;
    }
    EXPECT_FALSE(exploringOutput->visible());
    EXPECT_FALSE(atDepthOutput->visible());
    ASSERT_EQ(gameHistory.historyLength, 2);
    EXPECT_EQ(searchState.stopRequested, 1);  // ended by the time-out, not by the depth limit
    EXPECT_FALSE(thinking);
}

}  // namespace
