// The main window's contents: the board squares, the statistics panel, the computer player's controls
// and the navigation buttons, and the refresh that keeps them in step with the position.
#pragma once

#include <FL/Fl_Window.H>

#include "position/game_state.h"

class Fl_Box;
class Fl_Output;
class Fl_Value_Input;
class Square_Button;
class Think_Button;
class Restart_Button;
class Undo_Button;
class Redo_Button;
class GoToEnd_Button;

// The statistics panel: six rows per side, each a box of its own.
constexpr int STAT_ROWS = 6;
enum StatRow { STAT_DISTANCE, STAT_GROUPS, STAT_OBSTRUCTION, STAT_PIECES, STAT_CAPTURES, STAT_MOVES };

// The widgets. All are created once by buildMainWindow and live until the process ends. The square
// tables are indexed by the 1-based row and column of the board (row 1 at the top); index 0 is unused.
extern Fl_Box* boardFrame;
extern Fl_Box* squareBox[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
extern Square_Button* squareButton[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
extern Fl_Box* statBox[STAT_ROWS][2];  // [row][side column]
extern Fl_Value_Input* maxDepthInput;
extern Fl_Box* levelsBox;
extern Fl_Value_Input* maxTimeInput;
extern Fl_Box* secondsBox;
extern Think_Button* thinkButton;
extern Fl_Output* exploringOutput;
extern Fl_Output* atDepthOutput;
extern Restart_Button* restartButton;
extern Undo_Button* undoButton;
extern Redo_Button* redoButton;
extern GoToEnd_Button* goToEndButton;

// 1 exactly while the Think button's handler runs: every game button then hands its events to the plain
// button handling, so nothing can change the position under the search.
extern bool thinking;

// Main_Window is the main window. Besides its widgets it handles the game's keys and the text pasted into
// the game (ui/game_keys.h), and it keeps the keyboard for the game: at start-up the window itself has the
// focus, not its first input field, and a click anywhere outside the two limit fields takes the focus
// out of a field, so that the keys the fields use for their text (Ctrl+C, Ctrl+V, Ctrl+Z, Home, End)
// reach the game again.
class Main_Window : public Fl_Window {
public:
    Main_Window(int w, int h, const char* title) : Fl_Window(w, h, title) {}
    int handle(int event) override;
};

// createMainWindow() creates the main window for game.boardSize: the board plus a 250-pixel panel on the
// right and a 50-pixel strip below, titled "Tarnwick 2.0". It is the current group afterwards, so the
// widgets built next land in it.
Main_Window* createMainWindow();

// limitFieldHasFocus() tells whether one of the two limit fields is being edited: it has the keyboard focus.
bool limitFieldHasFocus();

// buildMainWindow() creates the widgets inside the current group, the main window; it reads only the
// board size. The square images must have been rendered before; the first refreshBoard shows them.
void buildMainWindow();

// refreshBoard() brings the board squares, the navigation buttons and the statistics up to date with the
// position, the last move, the selection and the game history.
void refreshBoard();

// writeDigits() writes value as a zero-padded field of `width` digits (2 or 3) and a terminating zero,
// digit by digit as the panel has always shown it.
void writeDigits(char* out, int value, int width);
