// The main window's widgets, reached through one global handle each, and the flag that locks the game
// while the computer thinks. The widgets are created by buildMainWindow (ui/main_window.h) and live
// until the window is built again for another board size or zoom; every file of the window reads
// them from here.
#pragma once

#include "position/game_state.h"

class Fl_Box;
class Fl_Button;
class Fl_Output;
class Fl_Value_Input;
class Fl_Window;
class Square_Button;

// The statistics panel: six rows per side, each a box of its own.
constexpr int STAT_ROWS = 6;
enum StatRow { STAT_DISTANCE, STAT_GROUPS, STAT_OBSTRUCTION, STAT_PIECES, STAT_CAPTURES, STAT_MOVES };

// The main window itself, set by createMainWindow.
extern Fl_Window* gameWindow;

// The square tables are indexed by the 1-based row and column of the board (row 1 at the top); index
// 0 and the rows and columns beyond the board size are null.
extern Fl_Box* boardFrame;
extern Fl_Box* squareBox[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
extern Square_Button* squareButton[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
extern Fl_Box* statBox[STAT_ROWS][2];  // [row][side column]
extern Fl_Value_Input* maxDepthInput;
extern Fl_Box* levelsBox;
extern Fl_Value_Input* maxTimeInput;
extern Fl_Box* secondsBox;
extern Fl_Button* thinkButton;  // a Think_Button
extern Fl_Output* exploringOutput;
extern Fl_Output* atDepthOutput;
extern Fl_Button* restartButton;  // a Restart_Button
extern Fl_Button* undoButton;     // an Undo_Button
extern Fl_Button* redoButton;     // a Redo_Button
extern Fl_Button* goToEndButton;  // a GoToEnd_Button

// true exactly while the computer searches (a think, an automatic move or a hint): every game button
// then hands its events to the plain button handling, so nothing can change the position under the
// search, and only the menu's "Computer plays" items and Quit act.
extern bool thinking;

// clearWidgetHandles() forgets every widget handle, before the widgets are built anew.
void clearWidgetHandles();

// limitFieldHasFocus() tells whether one of the two limit fields is being edited: it has the keyboard
// focus.
bool limitFieldHasFocus();
