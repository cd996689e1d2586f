// The main window: every widget at its place with its settings, and refreshBoard's normal display, its
// navigation buttons and its statistics panel.
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Input.H>

#include <cstring>

#include "moves/evaluate.h"
#include "tests/ui/ui_fixture.h"
#include "ui/navigation.h"
#include "ui/think_button.h"

namespace {

struct Placement {
    const char* name;
    Fl_Widget* (*widget)();
    int x, y, w, h;  // x and y count from B = 31 N where `fromBoardX` / `fromBoardY` say so
    bool fromBoardX, fromBoardY;
    const char* label;
};

const Placement placements[] = {
    {"boardFrame", [] { return static_cast<Fl_Widget*>(boardFrame); }, 4, 4, 0, 0, false, false, nullptr},
    {"maxDepthInput", [] { return static_cast<Fl_Widget*>(maxDepthInput); }, 160, 5, 22, 20, true, false, "max depth "},
    {"levelsBox", [] { return static_cast<Fl_Widget*>(levelsBox); }, 180, 5, 60, 20, true, false, "levels"},
    {"maxTimeInput", [] { return static_cast<Fl_Widget*>(maxTimeInput); }, 150, 25, 42, 20, true, false, "max time "},
    {"secondsBox", [] { return static_cast<Fl_Widget*>(secondsBox); }, 190, 25, 60, 20, true, false, "seconds"},
    {"thinkButton", [] { return static_cast<Fl_Widget*>(thinkButton); }, 150, 50, 45, 25, true, false, "Think!"},
    {"exploringOutput", [] { return static_cast<Fl_Widget*>(exploringOutput); }, 80, 135, 70, 20, true, false, "exploring "},
    {"atDepthOutput", [] { return static_cast<Fl_Widget*>(atDepthOutput); }, 215, 135, 22, 20, true, false, "at depth "},
    {"restartButton", [] { return static_cast<Fl_Widget*>(restartButton); }, 15, 20, 25, 25, false, true, "@|<"},
    {"undoButton", [] { return static_cast<Fl_Widget*>(undoButton); }, 50, 20, 25, 25, false, true, "@<-"},
    {"redoButton", [] { return static_cast<Fl_Widget*>(redoButton); }, 100, 20, 25, 25, false, true, "@->"},
    {"goToEndButton", [] { return static_cast<Fl_Widget*>(goToEndButton); }, 135, 20, 25, 25, false, true, "@>|"},
};

class MainWindowLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(MainWindowLayoutTest, EveryWidgetAtItsPlaceWithItsLabel) {
    const int n = GetParam(), b = SQUARE_SIZE * n;
    openWindow(n);
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.name);
        const Fl_Widget* w = p.widget();
        EXPECT_EQ(w->x(), p.x + (p.fromBoardX ? b : 0));
        EXPECT_EQ(w->y(), p.y + (p.fromBoardY ? b : 0));
        EXPECT_EQ(w->w(), p.w ? p.w : b + 4);
        EXPECT_EQ(w->h(), p.h ? p.h : b + 4);
        if (p.label)
            EXPECT_STREQ(w->label(), p.label);
        else
            EXPECT_EQ(w->label(), nullptr);
    }
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int x = 31 * (c - 1) + 6, y = 31 * (r - 1) + 6;
            for (const Fl_Widget* w : {static_cast<Fl_Widget*>(squareBox[r][c]), static_cast<Fl_Widget*>(squareButton[r][c])}) {
                EXPECT_EQ(w->x(), x);
                EXPECT_EQ(w->y(), y);
                EXPECT_EQ(w->w(), 31);
                EXPECT_EQ(w->h(), 31);
            }
            EXPECT_EQ(squareButton[r][c]->boardRow, r);
            EXPECT_EQ(squareButton[r][c]->boardCol, c);
        }
    const int statY[6] = {5, 24, 50, 69, 95, 114};
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < STAT_ROWS; ++k) {
            EXPECT_EQ(statBox[k][s]->x(), b + 15 + 35 * s);
            EXPECT_EQ(statBox[k][s]->y(), statY[k]);
            EXPECT_EQ(statBox[k][s]->w(), 32);
            EXPECT_EQ(statBox[k][s]->h(), 16);
            EXPECT_EQ(statBox[k][s]->box(), FL_UP_BOX);
        }
}

// Later children are drawn over earlier ones: each square's button must come right after its box.
TEST_P(MainWindowLayoutTest, WidgetsAreCreatedInDrawingOrder) {
    const int n = GetParam();
    openWindow(n);
    std::vector<const Fl_Widget*> expected = {boardFrame};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            expected.push_back(squareBox[r][c]);
            expected.push_back(squareButton[r][c]);
        }
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < STAT_ROWS; ++k) expected.push_back(statBox[k][s]);
    for (const Fl_Widget* w : std::initializer_list<const Fl_Widget*>{
             maxDepthInput, levelsBox, maxTimeInput, secondsBox, thinkButton, exploringOutput, atDepthOutput,
             restartButton, undoButton, redoButton, goToEndButton})
        expected.push_back(w);
    ASSERT_EQ(window->children(), static_cast<int>(expected.size()));
    for (int i = 0; i < window->children(); ++i) EXPECT_EQ(window->child(i), expected[i]) << "child " << i;
}

INSTANTIATE_TEST_SUITE_P(SmallestDefaultLargest, MainWindowLayoutTest, ::testing::Values(4, 8, 16));

TEST_F(MainWindowTest, SettingsOfTheWidgets) {
    openWindow(8);
    EXPECT_EQ(window->resizable(), nullptr);
    EXPECT_EQ(boardFrame->box(), FL_UP_BOX);
    EXPECT_EQ(squareBox[3][5]->box(), FL_NO_BOX);
    EXPECT_EQ(levelsBox->box(), FL_NO_BOX);
    EXPECT_EQ(secondsBox->box(), FL_NO_BOX);
    EXPECT_EQ(maxDepthInput->step(), 1);
    EXPECT_EQ(maxDepthInput->value(), 30);
    EXPECT_EQ(maxDepthInput->minimum(), 1);
    EXPECT_EQ(maxDepthInput->maximum(), 30);
    EXPECT_EQ(maxTimeInput->step(), 1);
    EXPECT_EQ(maxTimeInput->value(), 5);
    EXPECT_EQ(maxTimeInput->minimum(), 0);
    EXPECT_EQ(maxTimeInput->maximum(), 1440000);
    EXPECT_FALSE(exploringOutput->visible());
    EXPECT_FALSE(atDepthOutput->visible());
    // Neither the board nor the panel shows anything before the first refresh.
    EXPECT_EQ(squareBox[1][1]->image(), nullptr);
    EXPECT_EQ(statBox[0][0]->label(), nullptr);
}

TEST_F(MainWindowTest, StatisticRowsAndNavigationButtonsSayWhatTheyAre) {
    openWindow(8);
    const char* rowWords[STAT_ROWS] = {"connection distance", "groups", "obstruction caused", "pieces",
                                       "capturing moves", "legal moves"};
    for (int k = 0; k < STAT_ROWS; ++k)
        for (int s = 0; s < 2; ++s) {
            ASSERT_NE(statBox[k][s]->tooltip(), nullptr);
            EXPECT_NE(std::strstr(statBox[k][s]->tooltip(), rowWords[k]), nullptr) << statBox[k][s]->tooltip();
            EXPECT_NE(std::strstr(statBox[k][s]->tooltip(), s ? "side 1" : "side 0"), nullptr);
        }
    const std::pair<Fl_Widget*, const char*> buttons[] = {
        {restartButton, "Restart"}, {undoButton, "Undo"}, {redoButton, "Redo"}, {goToEndButton, "Go to end"}};
    for (const auto& [button, word] : buttons) {
        ASSERT_NE(button->tooltip(), nullptr);
        EXPECT_NE(std::strstr(button->tooltip(), word), nullptr) << button->tooltip();
    }
}

// expectNormalDisplay() checks every square against the board: the pieces of the side to move are raised
// buttons unless the game is decided; everything else is the box under a hidden button; the squares in
// `highlighted` are drawn on the darker background.
void expectNormalDisplay(const std::vector<std::pair<int, int>>& highlighted) {
    const bool decided = game.groupCount[0] == 1 || game.groupCount[1] == 1;
    for (int r = 1; r <= game.boardSize; ++r)
        for (int c = 1; c <= game.boardSize; ++c) {
            SCOPED_TRACE("square " + std::to_string(r) + "," + std::to_string(c));
            const int content = game.board[r][c] / 64;
            int h = 0;
            for (const auto& square : highlighted) h |= square == std::make_pair(r, c);
            const Square_Button* button = squareButton[r][c];
            if (content == game.sideToMove + 1 && !decided) {
                ASSERT_TRUE(button->visible());
                EXPECT_EQ(button->image(), squareImages[content][1][h][0]);
                EXPECT_EQ(button->content, content);
                EXPECT_EQ(button->raised, 1);
                EXPECT_EQ(button->highlighted, h);
                EXPECT_EQ(button->lit, 0);
            } else {
                ASSERT_FALSE(button->visible());
                EXPECT_EQ(squareBox[r][c]->image(), squareImages[content][0][h][0]);
            }
        }
}

// Navigation buttons shown: restart, undo, redo, go to end.
std::vector<bool> navigationShown() {
    return {restartButton->visible() != 0, undoButton->visible() != 0, redoButton->visible() != 0,
            goToEndButton->visible() != 0};
}

TEST_F(MainWindowTest, StartUpShowsTheSideToMoveRaisedAndNoNavigation) {
    startGame(8, 3);
    expectNormalDisplay({});
    EXPECT_EQ(shownSquares().size(), 12u);
    EXPECT_EQ(navigationShown(), std::vector<bool>({false, false, false, false}));
}

TEST_F(MainWindowTest, AfterMovesTheLastMoveIsHighlightedAndTheOtherSideRaised) {
    startGame(8, 3, {"B1-B3", "A3xC1", "C8-C6"});
    expectNormalDisplay({{8, 3}, {6, 3}});
    EXPECT_EQ(navigationShown(), std::vector<bool>({true, true, false, false}));
    undoStep();
    refreshBoard();
    expectNormalDisplay({{3, 1}, {1, 3}});
    EXPECT_EQ(navigationShown(), std::vector<bool>({true, true, true, true}));
    while (game.historyPosition > 0) undoStep();
    refreshBoard();
    expectNormalDisplay({});
    EXPECT_EQ(navigationShown(), std::vector<bool>({false, false, true, true}));
}

TEST_F(MainWindowTest, ADecidedGameLeavesNoSquareClickable) {
    startGame(4, 3, {"B1xD3", "D2-B2"});
    EXPECT_EQ(game.groupCount[1], 1);
    expectNormalDisplay({{2, 4}, {2, 2}});
    EXPECT_TRUE(shownSquares().empty());
    EXPECT_STREQ(statBox[STAT_GROUPS][1]->label(), "01");
}

TEST(WriteDigits, ZeroPaddedFieldsOfTwoAndThreeDigits) {
    struct Case {
        int value, width;
        const char* text;
    };
    const Case cases[] = {{0, 2, "00"}, {7, 2, "07"}, {12, 2, "12"}, {99, 2, "99"},
                          {0, 3, "000"}, {12, 3, "012"}, {80, 3, "080"}, {305, 3, "305"}};
    for (const Case& c : cases) {
        char text[4] = "###";
        writeDigits(text, c.value, c.width);
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

// The panel of the default game after B1-B3, read off by hand from the position: side 0 has three groups
// (B3 stands alone), the obstruction each side causes differs, and each number is in its side's column,
// the obstruction measured with one side's distance in the other side's column.
TEST_F(MainWindowTest, StatisticsPanelShowsEachSidesNumbersInItsColumn) {
    startGame(8, 3, {"B1-B3"});
    int distance[2], obstructionCaused[2];
    for (int s = 0; s < 2; ++s) {
        game.obstruction = 0;
        distance[s] = connectionDistance(s);
        obstructionCaused[1 - s] = game.obstruction;
    }
    ASSERT_NE(obstructionCaused[0], obstructionCaused[1]);
    refreshBoard();
    for (int s = 0; s < 2; ++s) {
        char text[4];
        writeDigits(text, distance[s], 2);
        EXPECT_STREQ(statBox[STAT_DISTANCE][s]->label(), text);
        writeDigits(text, obstructionCaused[s], 3);
        EXPECT_STREQ(statBox[STAT_OBSTRUCTION][s]->label(), text);
    }
    EXPECT_STREQ(statBox[STAT_GROUPS][0]->label(), "03");
    EXPECT_STREQ(statBox[STAT_GROUPS][1]->label(), "02");
    EXPECT_STREQ(statBox[STAT_PIECES][0]->label(), "12");
    EXPECT_STREQ(statBox[STAT_PIECES][1]->label(), "12");
    EXPECT_STREQ(statBox[STAT_CAPTURES][1]->label(), "004");  // A3xC1, A6xC8, H3xF1, H6xF8
    char moves[4];
    writeDigits(moves, game.sideMoveCount[1], 3);
    EXPECT_STREQ(statBox[STAT_MOVES][1]->label(), moves);
    EXPECT_EQ(static_cast<int>(testing_support::legalMoves().size()), game.sideMoveCount[1]);
}

}  // namespace
