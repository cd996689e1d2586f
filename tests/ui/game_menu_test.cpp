// The menu's items and keys: which items can act in which state (only the "Computer plays" items and Quit
// while the computer thinks), the check items, and the keys that act as the items do, with the rule of
// the game's keys. Popping the menu up needs a display: the desktop tests do that.
#include <FL/Fl_Output.H>

#include "tests/ui/desktop_fixture.h"
#include "ui/board_view.h"
#include "ui/player_choice.h"
#include "ui/zoom.h"

namespace {

const char* const ITEMS[] = {"New game...",      "Open...",           "Save as...", "Resume last game",
                             "Copy game",        "Paste game",        "Hint",       "Computer plays side 0",
                             "Computer plays side 1", "Computer player", "Classic player", "Strong player",
                             "Level 1",          "Level 10",          "Zoom in",    "Zoom out",
                             "Actual size",      "About",             "Quit"};

std::string activeItems() {
    std::string active;
    for (const char* item : ITEMS)
        if (menuItemActive(item)) active += std::string(active.empty() ? "" : ", ") + item;
    return active;
}

TEST_F(DesktopTest, ItemsThatCannotActAreInactive) {
    startGame(8, 3, {"B1-B3"});
    EXPECT_EQ(activeItems(),
              "New game..., Open..., Save as..., Resume last game, Copy game, Paste game, Hint, Computer plays side 0, "
              "Computer plays side 1, Computer player, Classic player, Strong player, Level 1, Level 10, Zoom in, About, "
              "Quit");
    thinking = true;
    EXPECT_EQ(activeItems(), "Computer plays side 0, Computer plays side 1, Quit");
    thinking = false;
    setWindowZoom(4);
    EXPECT_FALSE(menuItemActive("Zoom in"));
    EXPECT_TRUE(menuItemActive("Zoom out"));
    EXPECT_TRUE(menuItemActive("Actual size"));
    setWindowZoom(1);
    startGame(4, 3, {"B1xD3", "D2-B2"});
    EXPECT_FALSE(menuItemActive("Hint")) << "the game is decided";
    EXPECT_FALSE(menuItemActive("No such item"));
}

TEST_F(DesktopTest, TheComputerItemsAreCheckItemsThatActWhileTheComputerThinks) {
    startGame(8, 3, {"B1-B3"});
    EXPECT_FALSE(menuItemChecked("Computer plays side 1"));
    setComputerPlays(1, true);
    EXPECT_TRUE(menuItemChecked("Computer plays side 1"));
    EXPECT_FALSE(menuItemChecked("Computer plays side 0"));
    EXPECT_FALSE(menuItemChecked("Hint")) << "a plain item";
}

// Keys of the menu's items, with the text they type: each acts as its item, and is taken while the
// computer thinks without acting.
TEST_F(DesktopTest, TheItemsKeysActAsTheItems) {
    struct KeyCase {
        const char* what;
        int keysym, state;
        const char* text;
        int handled;
        double zoomAfter;
    };
    const KeyCase cases[] = {
        {"Ctrl+plus (Shift+= on this keyboard)", '=', FL_CTRL | FL_SHIFT, "+", 1, 1.25},
        {"Ctrl+= zooms in", '=', FL_CTRL, "=", 1, 1.25},
        {"Ctrl+ the keypad's plus zooms in", FL_KP + '+', FL_CTRL, "+", 1, 1.25},
        {"Ctrl+minus at zoom 1 does nothing", '-', FL_CTRL, "-", 1, 1},
        {"Ctrl+0 at zoom 1 does nothing", '0', FL_CTRL, "0", 1, 1},
        {"a plain plus is no key", '=', FL_SHIFT, "+", 0, 1},
        {"Ctrl+Alt+plus is no key", '=', FL_CTRL | FL_ALT | FL_SHIFT, "+", 0, 1},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(8, 3);
        EXPECT_EQ(key(c.keysym, c.state, c.text), c.handled);
        EXPECT_EQ(windowZoom(), c.zoomAfter);
        actualSize();
    }
    startGame(8, 3);
    thinking = true;
    EXPECT_EQ(key('=', FL_CTRL, "="), 1);
    EXPECT_EQ(windowZoom(), 1);
    thinking = false;
}

// The computer player is one choice among the classic player, the strong one and the ten levels: the
// radio item of the choice is on, and a level puts its own limits into the fields.
TEST_F(DesktopTest, TheComputerPlayerIsOneRadioChoiceAndALevelFillsTheLimits) {
    startGame(8, 3);
    auto chosen = [] {
        std::string on;
        for (const char* item : {"Classic player", "Strong player", "Level 1", "Level 2", "Level 9", "Level 10"})
            if (menuItemChecked(item)) on += std::string(on.empty() ? "" : ", ") + item;
        return on;
    };
    EXPECT_EQ(chosen(), "Classic player") << "the default";
    typeLimits(7, 3);
    choosePlayerEngine(Engine::Strong);
    EXPECT_EQ(chosen(), "Strong player");
    EXPECT_EQ(maxDepthInput->value(), 7) << "an engine leaves the limits as typed";
    EXPECT_EQ(maxTimeInput->value(), 3);
    for (int level : {1, 2, 9, 10}) {
        SCOPED_TRACE(level);
        choosePlayerLevel(level);
        EXPECT_EQ(chosen(), "Level " + std::to_string(level));
        EXPECT_EQ(maxDepthInput->value(), levelLimits(level).depth);
        EXPECT_EQ(maxTimeInput->value(), levelLimits(level).seconds);
        for (int side = 0; side < 2; ++side) EXPECT_EQ(players[side].engine, Engine::Strong);
    }
    choosePlayerEngine(Engine::Classic);
    EXPECT_EQ(chosen(), "Classic player");
    thinking = true;
    EXPECT_FALSE(menuItemActive("Computer player")) << "no other player while the computer thinks";
    EXPECT_FALSE(menuItemActive("Level 3"));
    thinking = false;
}

TEST_F(DesktopTest, CtrlQQuitsAlsoWhileTheComputerThinks) {
    startGame(8, 3);
    thinking = true;
    EXPECT_EXIT(key('q', FL_CTRL), ::testing::ExitedWithCode(0), "");
    thinking = false;
}

}  // namespace
