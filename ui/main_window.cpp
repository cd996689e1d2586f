#include "ui/main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Input.H>
#include <FL/fl_ask.H>

#include <string>

#include "moves/statistics.h"
#include "position/history.h"
#include "ui/board_view.h"
#include "ui/game_keys.h"
#include "ui/navigation.h"
#include "ui/square_images.h"
#include "ui/think_button.h"

Fl_Box* boardFrame;
Fl_Box* squareBox[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
Square_Button* squareButton[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
Fl_Box* statBox[STAT_ROWS][2];
Fl_Value_Input* maxDepthInput;
Fl_Box* levelsBox;
Fl_Value_Input* maxTimeInput;
Fl_Box* secondsBox;
Think_Button* thinkButton;
Fl_Output* exploringOutput;
Fl_Output* atDepthOutput;
Restart_Button* restartButton;
Undo_Button* undoButton;
Redo_Button* redoButton;
GoToEnd_Button* goToEndButton;

bool thinking = false;

namespace {

// The statistics panel: rows at these y positions (three pairs), each field 2 or 3 digits wide, and a
// tooltip per row and side column, since the boxes have no captions.
constexpr int STAT_ROW_Y[STAT_ROWS] = {5, 24, 50, 69, 95, 114};
constexpr int STAT_DIGITS[STAT_ROWS] = {2, 2, 3, 2, 3, 3};
const char* const STAT_TOOLTIPS[STAT_ROWS][2] = {
    {"Dark (side 0): connection distance, an estimate of the moves still needed to join all pieces",
     "Light (side 1): connection distance, an estimate of the moves still needed to join all pieces"},
    {"Dark (side 0): groups of touching pieces; 01 means all are joined and the game is won",
     "Light (side 1): groups of touching pieces; 01 means all are joined and the game is won"},
    {"Dark (side 0): obstruction caused, dark pieces standing in the bands of the light pieces",
     "Light (side 1): obstruction caused, light pieces standing in the bands of the dark pieces"},
    {"Dark (side 0): pieces on the board", "Light (side 1): pieces on the board"},
    {"Dark (side 0): capturing moves", "Light (side 1): capturing moves"},
    {"Dark (side 0): legal moves", "Light (side 1): legal moves"},
};

// Each statistic box keeps its own text: the toolkit holds only a pointer to a label.
char statText[STAT_ROWS][2][4];

void buildBoard(int boardPixels) {
    boardFrame = new Fl_Box(4, 4, boardPixels + 4, boardPixels + 4);
    boardFrame->box(FL_UP_BOX);
    // Each button lies exactly on its passive box, which shows through while the button is hidden.
    const int n = game.boardSize;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int x = SQUARE_SIZE * (c - 1) + 6, y = SQUARE_SIZE * (r - 1) + 6;
            squareBox[r][c] = new Fl_Box(x, y, SQUARE_SIZE, SQUARE_SIZE);
            squareButton[r][c] = new Square_Button(x, y, SQUARE_SIZE, SQUARE_SIZE, r, c);
        }
}

void buildStatistics(int boardPixels) {
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < STAT_ROWS; ++k) {
            Fl_Box* box = new Fl_Box(boardPixels + 15 + 35 * s, STAT_ROW_Y[k], 32, 16);
            box->box(FL_UP_BOX);
            box->tooltip(STAT_TOOLTIPS[k][s]);
            statBox[k][s] = box;
        }
}

// A whole-number input: step, then value, then range, so it shows whole numbers from the start.
Fl_Value_Input* buildLimitInput(int x, int y, int w, const char* label, double value, double low, double high) {
    Fl_Value_Input* input = new Fl_Value_Input(x, y, w, 20, label);
    input->step(1);
    input->value(value);
    input->bounds(low, high);
    return input;
}

void buildThinkControls(int boardPixels) {
    maxDepthInput = buildLimitInput(boardPixels + 160, 5, 22, "max depth ", 30, 1, 30);
    levelsBox = new Fl_Box(boardPixels + 180, 5, 60, 20, "levels");
    maxTimeInput = buildLimitInput(boardPixels + 150, 25, 42, "max time ", 5, 0, 1440000);
    secondsBox = new Fl_Box(boardPixels + 190, 25, 60, 20, "seconds");
    thinkButton = new Think_Button(boardPixels + 150, 50, 45, 25, "Think!");
    thinkButton->tooltip("Think!: the computer plays a move for the side to move, within the limits above (Ctrl+T)");
    // Shown only while a timed think runs.
    exploringOutput = new Fl_Output(boardPixels + 80, 135, 70, 20, "exploring ");
    exploringOutput->hide();
    atDepthOutput = new Fl_Output(boardPixels + 215, 135, 22, 20, "at depth ");
    atDepthOutput->hide();
}

void buildNavigation(int boardPixels) {
    const int y = boardPixels + 20;
    restartButton = new Restart_Button(15, y, 25, 25, "@|<");
    restartButton->tooltip("Restart: take back every move, which can be replayed (Home)");
    undoButton = new Undo_Button(50, y, 25, 25, "@<-");
    undoButton->tooltip("Undo: take back the last move (Ctrl+Z)");
    redoButton = new Redo_Button(100, y, 25, 25, "@->");
    redoButton->tooltip("Redo: replay the next move (Ctrl+Y or Ctrl+Shift+Z)");
    goToEndButton = new GoToEnd_Button(135, y, 25, 25, "@>|");
    goToEndButton->tooltip("Go to end: replay every move taken back (End)");
}

// refreshSquare() puts square (r, c) into the normal display: the pieces of the side to move are
// raised buttons while the game is undecided; everything else is the passive box under a hidden button.
void refreshSquare(int r, int c, bool decided) {
    const int content = game.board[r][c] / 64;
    const bool clickable = content == game.sideToMove + 1 && !decided;
    const bool onLastMove = (r == lastMove.fromRow && c == lastMove.fromCol) ||
                            (r == lastMove.toRow && c == lastMove.toCol);
    const bool selected = r == pendingMove.fromRow && c == pendingMove.fromCol;
    const int highlighted = onLastMove || selected ? 1 : 0;
    if (clickable)
        squareButton[r][c]->showAs(content, highlighted);
    else
        showPassiveSquare(r, c, content, highlighted);
}

void showIf(Fl_Widget* widget, bool shown) {
    if (shown)
        widget->show();
    else
        widget->hide();
}

// Buttons that cannot act are hidden, not greyed out.
void refreshNavigation() {
    showIf(restartButton, canGoBack());
    showIf(undoButton, canGoBack());
    showIf(redoButton, canGoForward());
    showIf(goToEndButton, canGoForward());
}

void setStatistic(int row, int side, int value) {
    char* text = statText[row][side];
    writeDigits(text, value, STAT_DIGITS[row]);
    statBox[row][side]->label(text);
    statBox[row][side]->redraw_label();
}

// refreshStatistics() fills the panel from computeStatistics, which measures side 1 first and puts the
// obstruction measured with a side's distance into the other side's column, as the panel shows it.
void refreshStatistics() {
    SideStatistics stats[2];
    computeStatistics(stats);
    for (int s = 1; s >= 0; --s) {
        setStatistic(STAT_DISTANCE, s, stats[s].distance);
        setStatistic(STAT_GROUPS, s, stats[s].groups);
        setStatistic(STAT_OBSTRUCTION, s, stats[s].obstruction);
        setStatistic(STAT_PIECES, s, stats[s].pieces);
        setStatistic(STAT_CAPTURES, s, stats[s].captures);
        setStatistic(STAT_MOVES, s, stats[s].moves);
    }
}

}  // namespace

bool limitFieldHasFocus() { return maxDepthInput->contains(Fl::focus()) || maxTimeInput->contains(Fl::focus()); }

Main_Window* createMainWindow() {
    const int boardPixels = SQUARE_SIZE * game.boardSize;
    return new Main_Window(boardPixels + 250, boardPixels + 50, "Tarnwick 2.0");
}

// Main_Window::handle() gives the window the focus when the window system gives it to the window, instead
// of letting the group hand it to the first field; takes the focus out of a limit field on a click
// elsewhere; and takes the game's keys and pasted text. Every other event is the window's as usual.
int Main_Window::handle(int event) {
    switch (event) {
        case FL_FOCUS:
            return 1;
        case FL_PUSH:
            if (limitFieldHasFocus() && !Fl::event_inside(maxDepthInput) && !Fl::event_inside(maxTimeInput))
                Fl::focus(this);
            break;
        case FL_SHORTCUT:
            if (handleGameKey(this)) return 1;
            break;
        case FL_PASTE: {
            const std::string refusal = pasteGame(std::string(Fl::event_text(), Fl::event_length()));
            if (!refusal.empty()) {
                fl_message_title("Paste refused");
                fl_alert("%s", refusal.c_str());
            }
            return 1;
        }
        default:
            break;
    }
    return Fl_Window::handle(event);
}

void buildMainWindow() {
    const int boardPixels = SQUARE_SIZE * game.boardSize;
    // Nothing is laid out anew: without a resizable widget the window keeps its size.
    Fl_Group::current()->resizable(nullptr);
    buildBoard(boardPixels);
    buildStatistics(boardPixels);
    buildThinkControls(boardPixels);
    buildNavigation(boardPixels);
}

// refreshBoard() redraws every square from the board. Once either side has all its pieces in one group
// the game is decided and no square stays clickable, until a move is taken back.
void refreshBoard() {
    const bool decided = game.groupCount[0] <= 1 || game.groupCount[1] <= 1;
    const int n = game.boardSize;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) refreshSquare(r, c, decided);
    refreshNavigation();
    refreshStatistics();
}

void writeDigits(char* out, int value, int width) {
    if (width == 2) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + (value - 10 * (value / 10)));
    } else {
        out[0] = static_cast<char>('0' + value / 100);
        out[1] = static_cast<char>('0' + (value / 10 - 10 * (value / 100)));
        out[2] = static_cast<char>('0' + value % 10);
    }
    out[width] = '\0';
}
