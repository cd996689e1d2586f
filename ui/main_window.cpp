#include "ui/main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Value_Input.H>

#include <string>

#include "ui/game_keys.h"
#include "ui/message_box.h"
#include "ui/navigation.h"
#include "ui/think_button.h"
#include "ui/window_scale.h"

int (*windowMenuHandler)(int event) = nullptr;

namespace {

// The layout at zoom 1, in pixels; B is the board's width, 31 N. Every length below is scaled by the
// zoom, and the board by the square images' size.
constexpr int BOARD_ORIGIN = 6;                 // first square's left and top edge
constexpr int FRAME_ORIGIN = 4;                 // the frame around the board, 2 pixels wider per side
constexpr int PANEL_WIDTH = 250;                // right of the board
constexpr int STRIP_HEIGHT = 50;                // below the board
// The statistics panel: rows at these y positions (three pairs), a column per side.
constexpr int STAT_ROW_Y[STAT_ROWS] = {5, 24, 50, 69, 95, 114};
constexpr int STAT_X = 15, STAT_COLUMN_STEP = 35, STAT_W = 32, STAT_H = 16;
// The navigation buttons' left edges, B + 20 from the top.
constexpr int NAVIGATION_X[4] = {15, 50, 100, 135};
constexpr int NAVIGATION_Y = 20, NAVIGATION_SIZE = 25;

// A tooltip per row and side column, since the boxes have no captions.
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

int boardPixels() { return squarePixels() * game.boardSize; }

void buildBoard(int board) {
    const int frame = scaled(FRAME_ORIGIN);
    boardFrame = new Fl_Box(frame, frame, board + frame, board + frame);
    boardFrame->box(FL_UP_BOX);
    // Each button lies exactly on its passive box, which shows through while the button is hidden.
    const int n = game.boardSize, square = squarePixels(), origin = scaled(BOARD_ORIGIN);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int x = square * (c - 1) + origin, y = square * (r - 1) + origin;
            squareBox[r][c] = new Fl_Box(x, y, square, square);
            squareButton[r][c] = new Square_Button(x, y, square, square, r, c);
        }
}

void buildStatistics(int board) {
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < STAT_ROWS; ++k) {
            Fl_Box* box = new Fl_Box(board + scaled(STAT_X + STAT_COLUMN_STEP * s), scaled(STAT_ROW_Y[k]),
                                     scaled(STAT_W), scaled(STAT_H));
            box->box(FL_UP_BOX);
            box->tooltip(STAT_TOOLTIPS[k][s]);
            statBox[k][s] = box;
        }
}

// A whole-number input: step, then value, then range, so it shows whole numbers from the start.
Fl_Value_Input* buildLimitInput(int x, int y, int w, const char* label, double value, double low, double high) {
    Fl_Value_Input* input = new Fl_Value_Input(x, y, w, scaled(20), label);
    input->step(1);
    input->value(value);
    input->bounds(low, high);
    return input;
}

Fl_Box* buildCaption(int x, int y, const char* label) { return new Fl_Box(x, y, scaled(60), scaled(20), label); }

void buildThinkControls(int board) {
    maxDepthInput = buildLimitInput(board + scaled(160), scaled(5), scaled(22), "max depth ", 30, 1, 30);
    levelsBox = buildCaption(board + scaled(180), scaled(5), "levels");
    maxTimeInput = buildLimitInput(board + scaled(150), scaled(25), scaled(42), "max time ", 5, 0, 1440000);
    secondsBox = buildCaption(board + scaled(190), scaled(25), "seconds");
    thinkButton = new Think_Button(board + scaled(150), scaled(50), scaled(45), scaled(25), "Think!");
    thinkButton->tooltip("Think!: the computer plays a move for the side to move, within the limits above (Ctrl+T)");
    // Shown only while a timed think runs.
    exploringOutput = new Fl_Output(board + scaled(80), scaled(135), scaled(70), scaled(20), "exploring ");
    exploringOutput->hide();
    atDepthOutput = new Fl_Output(board + scaled(215), scaled(135), scaled(22), scaled(20), "at depth ");
    atDepthOutput->hide();
}

template <class Button>
Fl_Button* buildNavigationButton(int board, int place, const char* label, const char* tooltip) {
    const int size = scaled(NAVIGATION_SIZE);
    Fl_Button* button = new Button(scaled(NAVIGATION_X[place]), board + scaled(NAVIGATION_Y), size, size, label);
    button->tooltip(tooltip);
    return button;
}

void buildNavigation(int board) {
    restartButton = buildNavigationButton<Restart_Button>(board, 0, "@|<",
                                                          "Restart: take back every move, which can be replayed (Home)");
    undoButton = buildNavigationButton<Undo_Button>(board, 1, "@<-", "Undo: take back the last move (Ctrl+Z)");
    redoButton = buildNavigationButton<Redo_Button>(board, 2, "@->", "Redo: replay the next move (Ctrl+Y or Ctrl+Shift+Z)");
    goToEndButton = buildNavigationButton<GoToEnd_Button>(board, 3, "@>|", "Go to end: replay every move taken back (End)");
}

// isModifierKey() tells the keys that only modify others (Shift, Ctrl, Caps Lock, Alt, ...).
constexpr int LAST_MODIFIER_KEY = 0xffee;  // Hyper_R, after Shift, Ctrl, Caps Lock, Meta, Alt and Super
bool isModifierKey(int key) { return key >= FL_Shift_L && key <= LAST_MODIFIER_KEY; }

}  // namespace

void mainWindowSize(int& width, int& height) {
    width = boardPixels() + scaled(PANEL_WIDTH);
    height = boardPixels() + scaled(STRIP_HEIGHT);
}

Main_Window* createMainWindow() {
    int width = 0, height = 0;
    mainWindowSize(width, height);
    Main_Window* window = new Main_Window(width, height, "Tarnwick 2.0");
    gameWindow = window;
    return window;
}

// Main_Window::handle() gives the window the focus when the window system gives it to the window, instead
// of letting the group hand it to the first field; takes the focus out of a limit field on a click
// elsewhere; offers the right button to the menu before any widget, so that it never selects or moves a
// piece; and takes the game's keys, the menu's keys and pasted text. Every other event is the window's
// as usual.
int Main_Window::handle(int event) {
    switch (event) {
        case FL_FOCUS:
            return 1;
        case FL_PUSH:
            if (limitFieldHasFocus() && !Fl::event_inside(maxDepthInput) && !Fl::event_inside(maxTimeInput))
                Fl::focus(this);
            if (Fl::event_button() == FL_RIGHT_MOUSE && windowMenuHandler && windowMenuHandler(event)) return 1;
            break;
        case FL_KEYBOARD:
            if (!isModifierKey(Fl::event_key())) dropHint();
            break;
        case FL_SHORTCUT:
            if (!isModifierKey(Fl::event_key())) dropHint();
            if (handleGameKey(this)) return 1;
            if (windowMenuHandler && windowMenuHandler(event)) return 1;
            break;
        case FL_PASTE: {
            const std::string refusal = pasteGame(std::string(Fl::event_text(), Fl::event_length()));
            if (!refusal.empty()) tellRefusal("Paste refused", refusal);
            return 1;
        }
        default:
            break;
    }
    return Fl_Window::handle(event);
}

void buildMainWindow() {
    clearWidgetHandles();
    const int board = boardPixels();
    // Nothing is laid out anew: without a resizable widget the window keeps its size.
    Fl_Group::current()->resizable(nullptr);
    Fl_Tooltip::size(scaled(NORMAL_FONT_SIZE));
    buildBoard(board);
    buildStatistics(board);
    buildThinkControls(board);
    buildNavigation(board);
    scaleFonts(Fl_Group::current());
}

void rebuildMainWindow() {
    const double depth = maxDepthInput->value(), seconds = maxTimeInput->value();
    Fl_Window* window = gameWindow;
    window->clear();
    int width = 0, height = 0;
    mainWindowSize(width, height);
    window->size(width, height);
    window->size_range(width, height, width, height);
    window->begin();
    buildMainWindow();
    window->end();
    maxDepthInput->value(depth);
    maxTimeInput->value(seconds);
    if (window->shown()) Fl::focus(window);  // the keys go to the game, not to a field
    refreshBoard();
    window->redraw();
}
