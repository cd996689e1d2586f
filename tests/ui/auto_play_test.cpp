// The computer answering by itself, in-process with the event loop run round by round: it answers a
// person's move with the move "Think!" would play, never after going back and forth in the history,
// plays a whole game when it has both sides, with the event loop running between every two moves, stops
// after the think under way when its item is switched off, and plays nothing for a side without moves.
#include <vector>

#include "position/toolkit.h"
#include "search/search.h"
#include "search/think.h"
#include "tests/ui/desktop_fixture.h"
#include "ui/think_button.h"

namespace {

using testing_support::sameMove;

// thinkAt() is the move that a think with these limits chooses after `moves` on board 8, setup 3.
Move thinkAt(const std::vector<std::string>& moves, int depth, double seconds) {
    EXPECT_EQ(testing_support::setUpGame(8, 3, moves), "");
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = seconds;
    EXPECT_TRUE(think());
    return searchState.bestMove;
}

bool historyHas(int length) { return gameHistory.historyLength == length && !thinking; }

TEST_F(DesktopTest, TheComputerAnswersAPersonsMoveWithTheMoveThinkWouldPlay) {
    const Move answer = thinkAt({"B1-B3"}, 3, 0);
    startGame(8, 3);
    typeLimits(3, 0);
    setComputerPlays(1, true);
    EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength > 0; }, 20)) << "side 0 is to move: no think";
    click(1, 2);
    click(3, 2);
    ASSERT_TRUE(runEventLoop([] { return historyHas(2); }));
    EXPECT_TRUE(sameMove(gameHistory.historyMoves[1], answer));
    EXPECT_EQ(game.sideToMove, 0);
    EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength > 2; }, 20)) << "side 0 is the person's";
}

// At the end of the line with the computer's side to move, reached by Go to end, the computer waits: a
// person may be looking back at the game. "Think!" or a new move goes on from there.
TEST_F(DesktopTest, GoingBackAndForthNeverStartsAThink) {
    startGame(8, 3, {"B1-B3"});
    typeLimits(2, 0);
    setComputerPlays(1, true);
    ASSERT_TRUE(runEventLoop([] { return historyHas(2); })) << "switched on with its side to move, it plays";
    for (Fl_Button* button : {undoButton, undoButton, goToEndButton, restartButton, redoButton}) {
        button->handle(FL_RELEASE);
        EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength != 2; }, 50));
    }
    ASSERT_EQ(game.historyPosition, 1) << "side 1 to move, one move to replay";

    // A line that ends with side 1 to move, looked at from one move before its end.
    goToEndButton->handle(FL_RELEASE);
    setComputerPlays(1, false);
    playByClicks(testing_support::legalMoves().front());
    undoButton->handle(FL_RELEASE);
    setComputerPlays(1, true);
    goToEndButton->handle(FL_RELEASE);
    EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength != 3; }, 50)) << "Go to end started a think";
    EXPECT_EQ(game.historyPosition, 3);

    thinkButton->handle(FL_RELEASE);
    ASSERT_TRUE(historyHas(4));
    playByClicks(testing_support::legalMoves().front());
    EXPECT_TRUE(runEventLoop([] { return historyHas(6); })) << "a new move is answered";
}

// The rounds of the event loop, counted, and the round in which each move was played.
int rounds;
std::vector<int> roundOfMove;
void countRound(void*) { ++rounds; }

// Both sides on a 4 x 4 board play the game that the think driver plays against itself, to its end; the
// event loop runs at least one round between every two moves.
TEST_F(DesktopTest, WithBothSidesTheComputerPlaysTheWholeGameFromTheEventLoop) {
    testing_support::setUpGame(4, 3);
    std::vector<Move> expected;
    while (!gameDecided()) {
        searchState.depthLimit[game.sideToMove] = 3;
        searchState.timeLimit[game.sideToMove] = 0;
        ASSERT_TRUE(think());
        expected.push_back(searchState.bestMove);
        commitMove(searchState.bestMove);
    }
    rounds = 0;
    roundOfMove.clear();
    Fl::add_check(countRound);
    addGameListener([](GameChange change) {
        if (change == GameChange::MovePlayed) roundOfMove.push_back(rounds);
    });
    startGame(4, 3);
    typeLimits(3, 0);
    setComputerPlays(0, true);
    setComputerPlays(1, true);
    EXPECT_TRUE(runEventLoop([] { return gameDecided() && !thinking; }));
    Fl::remove_check(countRound);
    ASSERT_EQ(gameHistory.historyLength, static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(sameMove(gameHistory.historyMoves[i], expected[i])) << i;
    for (size_t i = 1; i < roundOfMove.size(); ++i) EXPECT_GT(roundOfMove[i], roundOfMove[i - 1]) << "move " << i;
}

// The item of side 0 is switched off while its think runs (from inside the search, as a menu would be
// used then): that move is still played, side 1 answers, and then the play stops.
TEST_F(DesktopTest, SwitchingASideOffStopsItsPlayAfterTheThinkUnderWay) {
    startGame(8, 3);
    static void (*processEvents)();
    processEvents = toolkit.processEvents;
    toolkit.processEvents = [] {
        if (thinking && gameHistory.historyLength == 0) setComputerPlays(0, false);
        processEvents();
    };
    typeLimits(3, 1000);  // timed: the search lets events run between its iterations
    setComputerPlays(0, true);
    setComputerPlays(1, true);
    EXPECT_TRUE(runEventLoop([] { return historyHas(2); }));
    EXPECT_FALSE(computerPlays(0));
    EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength != 2; }, 50));
}

// Side 0 on A1 and H8, each walled in: no legal move, so nothing is played and the loop goes on idle.
TEST_F(DesktopTest, ASideWithoutMovesEndsTheAutomaticPlay) {
    startPieces(8, {{1, 1}, {8, 8}}, {{1, 2}, {2, 1}, {2, 2}, {8, 7}, {7, 8}, {7, 7}});
    typeLimits(3, 0);
    setComputerPlays(0, true);
    EXPECT_FALSE(runEventLoop([] { return gameHistory.historyLength != 0; }, 50));
    EXPECT_FALSE(thinking);
    EXPECT_EQ(shownSquares().size(), 2u);
}

}  // namespace
