// Program start-up: the dialog that asks for the board size and the initial arrangement, and the
// window-close handlers that end the process.
#pragma once

#include "ui/board_dialog.h"

class Fl_Widget;
class Fl_Window;

// The current top-level window: the start-up dialog while it runs, then the main window.
extern Fl_Window* mainWindow;

// runStartupDialog() shows the dialog with the toolkit's command-line options and waits until OK has
// been released with values in range; it then stores them in game.boardSize and game.setupNumber and
// destroys the dialog. Closing the dialog, or Escape in it, ends the process with status 0.
void runStartupDialog(int argc, char** argv);

// onMainWindowClose() ends the process at once with status 0: the game is kept after every change.
void onMainWindowClose(Fl_Widget*, void*);
