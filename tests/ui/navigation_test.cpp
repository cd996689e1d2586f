// The navigation buttons on the release of the mouse: they take moves back and replay them on the one
// position exactly, refresh the display after each step, and do nothing while the computer thinks.
#include <FL/Fl_Box.H>

#include "tests/ui/ui_fixture.h"
#include "ui/navigation.h"

namespace {

using testing_support::diffPositions;

// release() is the end of a click on a button; the handlers act on it.
int release(Fl_Button* button) { return button->handle(FL_RELEASE); }

TEST_F(MainWindowTest, UndoOfACaptureRestoresThePositionAndRedoReplaysIt) {
    startGame(8, 3, {"B1-B3"});
    const GameState before = game;
    const Move beforeLast = lastMove;
    click(3, 1);  // A3xC1
    click(1, 3);
    const GameState after = game;
    ASSERT_EQ(game.pieceCount[0], 11);

    EXPECT_EQ(release(undoButton), 1);
    EXPECT_EQ(diffPositions(game, before), "");
    EXPECT_TRUE(game.pieces[gameHistory.historyMoves[1].captured].onBoard);
    EXPECT_EQ(lastMove.toRow * 10 + lastMove.toCol, beforeLast.toRow * 10 + beforeLast.toCol);
    EXPECT_EQ(squareBox[1][3]->image(), squareImages[1][0][0][0]);  // the captured piece is back
    EXPECT_TRUE(redoButton->visible());

    EXPECT_EQ(release(redoButton), 1);
    EXPECT_EQ(diffPositions(game, after), "");
    EXPECT_EQ(squareBox[1][3]->image(), squareImages[2][0][1][0]);
    EXPECT_FALSE(redoButton->visible());
}

TEST_F(MainWindowTest, RestartAndGoToEndStepThroughTheWholeLine) {
    startGame(8, 3);
    const GameState start = game;
    startGame(8, 3, {"B1-B3", "A3xC1", "C8-C6", "H3xF1"});
    const GameState end = game;
    const Move endLast = lastMove;

    EXPECT_EQ(release(restartButton), 1);
    EXPECT_EQ(diffPositions(game, start), "");
    EXPECT_EQ(lastMove.fromRow + lastMove.fromCol + lastMove.toRow + lastMove.toCol, 0);
    EXPECT_EQ(gameHistory.historyLength, 4);
    EXPECT_FALSE(restartButton->visible());
    EXPECT_FALSE(undoButton->visible());
    EXPECT_TRUE(goToEndButton->visible());

    EXPECT_EQ(release(goToEndButton), 1);
    EXPECT_EQ(diffPositions(game, end), "");
    EXPECT_EQ(lastMove.fromRow * 1000 + lastMove.fromCol * 100 + lastMove.toRow * 10 + lastMove.toCol,
              endLast.fromRow * 1000 + endLast.fromCol * 100 + endLast.toRow * 10 + endLast.toCol);
    EXPECT_EQ(squareBox[1][6]->image(), squareImages[2][0][1][0]);  // H3xF1 highlighted again
    EXPECT_FALSE(goToEndButton->visible());
}

TEST_F(MainWindowTest, ANewMoveAfterUndoingForgetsTheRestOfTheLine) {
    startGame(8, 3, {"B1-B3", "A3xC1", "C8-C6"});
    release(undoButton);
    release(undoButton);
    click(6, 1);  // A6xC8
    click(8, 3);
    EXPECT_EQ(gameHistory.historyLength, 2);
    EXPECT_EQ(game.historyPosition, 2);
    EXPECT_FALSE(redoButton->visible());
    EXPECT_FALSE(goToEndButton->visible());
    EXPECT_TRUE(undoButton->visible());
}

// Each handler tests its own guard too, although refreshBoard hides a button that cannot act.
TEST_F(MainWindowTest, ButtonsThatCannotActChangeNothing) {
    startGame(8, 3, {"B1-B3"});
    const GameState atEnd = game;
    EXPECT_EQ(release(redoButton), 1);
    EXPECT_EQ(release(goToEndButton), 1);
    EXPECT_EQ(diffPositions(game, atEnd), "");
    release(undoButton);
    const GameState atStart = game;
    EXPECT_EQ(release(undoButton), 1);
    EXPECT_EQ(release(restartButton), 1);
    EXPECT_EQ(diffPositions(game, atStart), "");
    EXPECT_EQ(game.historyPosition, 0);
}

TEST_F(MainWindowTest, WhileThinkingTheNavigationButtonsDoNothing) {
    startGame(8, 3, {"B1-B3", "A3xC1"});
    release(undoButton);
    const GameState inside = game;
    thinking = true;
    for (Fl_Button* button : std::initializer_list<Fl_Button*>{restartButton, undoButton, redoButton, goToEndButton})
        release(button);
    EXPECT_EQ(diffPositions(game, inside), "");
    EXPECT_EQ(game.historyPosition, 1);
}

}  // namespace
