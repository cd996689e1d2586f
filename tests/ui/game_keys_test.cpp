// The main window's keys and pasted records, in-process: each key acts as its button would, only where
// the button is shown and never during a think; a paste replaces the game or is refused with the reason
// and changes nothing.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Value_Input.H>

#include <cstring>
#include <string>

#include "records/record.h"
#include "search/search.h"
#include "search/think.h"
#include "tests/ui/ui_fixture.h"
#include "ui/game_keys.h"
#include "ui/navigation.h"
#include "ui/think_button.h"

namespace {

using testing_support::diffPositions;

int release(Fl_Button* button) { return button->handle(FL_RELEASE); }

// key() delivers a key as the toolkit offers an unused one to the window: as a shortcut.
int key(Fl_Window* window, int keysym, int state) {
    Fl::e_keysym = keysym;
    Fl::e_state = state;
    return window->handle(FL_SHORTCUT);
}

// The line B1-B3 A3xC1 C8-C6 with its last move taken back: all four navigation buttons are shown.
TEST_F(MainWindowTest, EachKeyActsAsItsButton) {
    struct KeyCase {
        const char* what;
        int keysym, state;
        int handled;
        int positionAfter;  // historyPosition afterwards; 2 is unchanged
    };
    const KeyCase cases[] = {
        {"Ctrl+Z undoes", 'z', FL_CTRL, 1, 1},
        {"Ctrl+Y redoes", 'y', FL_CTRL, 1, 3},
        {"Ctrl+Shift+Z redoes", 'z', FL_CTRL | FL_SHIFT, 1, 3},
        {"Home restarts", FL_Home, 0, 1, 0},
        {"End goes to the end", FL_End, 0, 1, 3},
        {"Caps Lock does not matter", 'z', FL_CTRL | FL_CAPS_LOCK, 1, 1},
        {"a plain z is no key of the game", 'z', 0, 0, 2},
        {"Ctrl+Alt+Z is no key of the game", 'z', FL_CTRL | FL_ALT, 0, 2},
        {"Shift+Home is no key of the game", FL_Home, FL_SHIFT, 0, 2},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(8, 3, {"B1-B3", "A3xC1", "C8-C6"});
        undoStep();
        refreshBoard();
        EXPECT_EQ(key(window, c.keysym, c.state), c.handled);
        EXPECT_EQ(game.historyPosition, c.positionAfter);
        EXPECT_EQ(gameHistory.historyLength, 3);
        EXPECT_EQ(restartButton->visible() != 0, c.positionAfter > 0);
        EXPECT_EQ(goToEndButton->visible() != 0, c.positionAfter < 3);
    }
}

// A key whose button is hidden is taken, and does nothing; so is every key while the computer thinks.
TEST_F(MainWindowTest, KeysDoNothingWhereTheirButtonIsHiddenOrDuringAThink) {
    startGame(8, 3, {"B1-B3", "A3xC1"});
    const GameState atEnd = game;
    EXPECT_EQ(key(window, 'y', FL_CTRL), 1);
    EXPECT_EQ(key(window, FL_End, 0), 1);
    EXPECT_EQ(diffPositions(game, atEnd), "");

    thinking = true;
    for (const int k : {int('z'), int('t')}) EXPECT_EQ(key(window, k, FL_CTRL), 1);
    EXPECT_EQ(key(window, FL_Home, 0), 1);
    EXPECT_EQ(diffPositions(game, atEnd), "");
    EXPECT_EQ(gameHistory.historyLength, 2);
    thinking = false;

    key(window, FL_Home, 0);
    const GameState atStart = game;
    EXPECT_EQ(key(window, 'z', FL_CTRL), 1);
    EXPECT_EQ(key(window, FL_Home, 0), 1);
    EXPECT_EQ(diffPositions(game, atStart), "");
}

TEST_F(MainWindowTest, CtrlTThinksAndPlaysWithTheTypedLimitsUnlessTheGameIsOver) {
    startGame(8, 3, {"B1-B3"});
    maxDepthInput->value(1);
    maxTimeInput->value(0);
    EXPECT_EQ(key(window, 't', FL_CTRL), 1);
    EXPECT_FALSE(thinking);
    ASSERT_EQ(gameHistory.historyLength, 2);
    // The move of a fixed-depth search to depth 1 from the same position.
    const Move played = gameHistory.historyMoves[1];
    undoStep();
    searchState.depthLimit[1] = 1;
    searchState.timeLimit[1] = 0;
    ASSERT_TRUE(think());
    EXPECT_EQ(std::memcmp(&played, &searchState.bestMove, sizeof(Move)), 0);

    startGame(4, 3, {"B1xD3", "D2-B2"});
    EXPECT_EQ(key(window, 't', FL_CTRL), 1);
    EXPECT_EQ(gameHistory.historyLength, 2);
}

// The window system's focus goes to the window itself, not to the first limit field, so that the keys
// reach the game from the start. (Moving the focus needs a display: the desktop tests show how a limit
// field keeps its text keys while it is edited.)
TEST_F(MainWindowTest, TheWindowKeepsTheFocusItIsGiven) {
    startGame(8, 3);
    Fl::focus(nullptr);
    EXPECT_EQ(window->handle(FL_FOCUS), 1);
    EXPECT_FALSE(limitFieldHasFocus());
}

TEST_F(MainWindowTest, APastedRecordReplacesTheGameWithItsHistoryReadyForUndo) {
    struct PasteCase {
        const char* what;
        const char* text;
        int setup;
        const char* moves;
    };
    const PasteCase cases[] = {
        {"a record with another setup", "[Size \"8\"]\n[Setup \"5\"]\n[Result \"*\"]\n\n1. C1xA3 C8xA6 *\n", 5,
         "C1xA3 C8xA6"},
        {"a record without tags: board 8, setup 3", "1. B1-B3 A3xC1 *", 3, "B1-B3 A3xC1"},
        {"a bare list of moves on the window's setup", "B1-B3 A3xC1 C8-C6", 3, "B1-B3 A3xC1 C8-C6"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(8, 3, {"F1-D3", "H7-H1"});
        undoStep();
        ASSERT_EQ(pasteGame(c.text), "");
        EXPECT_EQ(game.setupNumber, c.setup);
        std::string played;
        for (const Move& m : gameHistory.historyMoves) played += (played.empty() ? "" : " ") + moveText(m);
        EXPECT_EQ(played, c.moves);
        EXPECT_EQ(game.historyPosition, gameHistory.historyLength);
        const Move& last = gameHistory.historyMoves.back();
        EXPECT_EQ(lastMove.toRow * 100 + lastMove.toCol, last.toRow * 100 + last.toCol);
        EXPECT_EQ(squareBox[last.toRow][last.toCol]->image(), squareImages[game.board[last.toRow][last.toCol] / 64][0][1][0]);
        EXPECT_TRUE(undoButton->visible());
        EXPECT_FALSE(redoButton->visible());
        const std::string record = recordText();
        release(restartButton);
        EXPECT_EQ(game.historyPosition, 0);
        release(goToEndButton);
        EXPECT_EQ(recordText(), record);
    }
}

TEST_F(MainWindowTest, ARefusedPasteGivesTheReasonAndChangesNothing) {
    struct RefusedCase {
        const char* text;
        const char* reason;
    };
    const RefusedCase cases[] = {
        {"[Size \"6\"]\n\n1. B1-B3 *", "Not pasted: the game is on board size 6, this window's board has size 8"},
        {"1. B1-B4 *", "Not pasted: line 1: 'B1-B4': move 1: not a legal move in this position"},
        {"Dear diary,\ntoday I won.", "Not pasted: line 1: 'Dear': not a move (like B1-B3), a move number (like 7.) or a result (1-0, 0-1 or *)"},
        {"", "Not pasted: line 1: neither a record nor a list of moves"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.text);
        startGame(8, 3, {"F1-D3", "H7-H1"});
        undoStep();
        refreshBoard();
        const GameState before = game;
        const std::string recordBefore = recordText();
        EXPECT_EQ(pasteGame(c.text), c.reason);
        EXPECT_EQ(diffPositions(game, before), "");
        EXPECT_EQ(recordText(), recordBefore);
        EXPECT_EQ(gameHistory.historyLength, 2);
        EXPECT_TRUE(redoButton->visible());
    }
    // While the computer thinks the board is the search's: nothing is pasted.
    thinking = true;
    EXPECT_EQ(pasteGame("1. B1-B3 *"), "");
    thinking = false;
    EXPECT_EQ(gameHistory.historyLength, 2);
}

// The pasted text reaches the window as an FL_PASTE event.
TEST_F(MainWindowTest, PastedTextArrivesAsAnEvent) {
    startGame(8, 3);
    std::string text = "B1-B3 A3xC1";
    Fl::e_text = text.data();
    Fl::e_length = static_cast<int>(text.size());
    EXPECT_EQ(window->handle(FL_PASTE), 1);
    EXPECT_EQ(gameHistory.historyLength, 2);
}

TEST_F(MainWindowTest, TooltipsNameTheKeys) {
    openWindow(8);
    const std::pair<Fl_Widget*, const char*> keys[] = {{restartButton, "(Home)"},
                                                       {undoButton, "(Ctrl+Z)"},
                                                       {redoButton, "(Ctrl+Y or Ctrl+Shift+Z)"},
                                                       {goToEndButton, "(End)"},
                                                       {thinkButton, "(Ctrl+T)"}};
    for (const auto& [button, name] : keys) {
        ASSERT_NE(button->tooltip(), nullptr);
        EXPECT_NE(std::strstr(button->tooltip(), name), nullptr) << button->tooltip();
    }
}

TEST_F(MainWindowTest, TheMainWindowIsSizedForItsBoardAndTitled) {
    const int sizes[][3] = {{4, 374, 174}, {8, 498, 298}, {16, 746, 546}};
    for (const auto& s : sizes) {
        openWindow(s[0]);
        EXPECT_EQ(window->w(), s[1]);
        EXPECT_EQ(window->h(), s[2]);
        EXPECT_STREQ(window->label(), "Tarnwick 2.0");
    }
}

}  // namespace
