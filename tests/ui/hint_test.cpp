// The hint: the move that a think with the typed limits chooses, shown as a selection with its one
// target; clicking the target plays it, clicking the piece cancels, any key clears it; the hint plays
// nothing itself and shows the progress of a think while it searches.
#include <FL/Fl_Output.H>

#include <algorithm>
#include <utility>
#include <vector>

#include "position/toolkit.h"
#include "search/search.h"
#include "search/think.h"
#include "tests/ui/desktop_fixture.h"
#include "ui/board_view.h"
#include "ui/hint.h"

namespace {

using testing_support::diffPositions;
using testing_support::sameMove;

const std::vector<std::string> LINE = {"B1-B3", "H7-G6"};

// The move of a timed think to depth 3 that ends by its depth, as `think 3 100` chooses it.
Move expectedHint() {
    EXPECT_EQ(testing_support::setUpGame(8, 3, LINE), "");
    searchState.depthLimit[0] = 3;
    searchState.timeLimit[0] = 100;
    EXPECT_TRUE(think());
    return searchState.bestMove;
}

std::vector<std::pair<int, int>> squaresOf(const Move& m) {
    std::vector<std::pair<int, int>> squares = {{m.fromRow, m.fromCol}, {m.toRow, m.toCol}};
    std::sort(squares.begin(), squares.end());
    return squares;
}

int progressShown;

TEST_F(DesktopTest, AHintSelectsTheComputersPieceAndOnlyItsTarget) {
    const Move hint = expectedHint();
    startGame(8, 3, LINE);
    typeLimits(3, 100);
    progressShown = 0;
    static void (*showProgress)();
    showProgress = toolkit.showProgress;
    toolkit.showProgress = [] {
        ++progressShown;
        showProgress();
    };
    const GameState before = game;

    EXPECT_EQ(key('h', FL_CTRL), 1);
    EXPECT_TRUE(hintShown());
    EXPECT_EQ(progressShown, 1);
    EXPECT_FALSE(exploringOutput->visible());
    EXPECT_EQ(shownSquares(), squaresOf(hint));
    EXPECT_EQ(squareButton[hint.fromRow][hint.fromCol]->highlighted, 1);
    EXPECT_EQ(squareButton[hint.toRow][hint.toCol]->highlighted, 0);
    EXPECT_EQ(gameHistory.historyLength, 2);
    game.searchPly = before.searchPly;  // the search keeps its ply and depth in the position record
    game.remainingDepth = before.remainingDepth;
    EXPECT_EQ(diffPositions(game, before), "");

    click(hint.toRow, hint.toCol);
    ASSERT_EQ(gameHistory.historyLength, 3);
    EXPECT_EQ(squaresOf(gameHistory.historyMoves[2]), squaresOf(hint));
    EXPECT_EQ(gameHistory.historyMoves[2].piece, hint.piece);
    EXPECT_FALSE(hintShown());
}

TEST_F(DesktopTest, ClickingTheHintedPieceOrAnyKeyClearsTheHint) {
    const Move hint = expectedHint();
    startGame(8, 3, LINE);
    typeLimits(3, 100);
    const std::vector<std::pair<int, int>> normal = shownSquares();

    showComputerHint();
    click(hint.fromRow, hint.fromCol);
    EXPECT_FALSE(hintShown());
    EXPECT_EQ(shownSquares(), normal);

    showComputerHint();
    Fl::e_keysym = 'a';
    Fl::e_state = 0;
    window->handle(FL_KEYBOARD);
    EXPECT_FALSE(hintShown());
    EXPECT_EQ(shownSquares(), normal);
    EXPECT_EQ(pendingMove.fromRow, 0);

    showComputerHint();
    Fl::e_keysym = FL_Shift_L;  // a modifier alone is no action
    window->handle(FL_KEYBOARD);
    EXPECT_TRUE(hintShown());
    EXPECT_EQ(gameHistory.historyLength, 2);
}

TEST_F(DesktopTest, NoHintOnceTheGameIsDecidedOrWhileTheComputerThinks) {
    startGame(4, 3, {"B1xD3", "D2-B2"});
    EXPECT_FALSE(canHint());
    EXPECT_EQ(key('h', FL_CTRL), 1);
    EXPECT_FALSE(hintShown());
    startGame(8, 3);
    thinking = true;
    EXPECT_FALSE(canHint());
    EXPECT_EQ(key('h', FL_CTRL), 1);
    EXPECT_FALSE(hintShown());
    thinking = false;
}

}  // namespace
