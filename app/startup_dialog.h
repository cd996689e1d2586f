// Program start-up: the dialog that asks for the board size and the initial arrangement, and the
// window-close handlers that end the process.
#pragma once

#include <FL/Fl_Return_Button.H>

class Fl_Widget;
class Fl_Window;

// The current top-level window: the start-up dialog while it runs, then the main window.
extern Fl_Window* mainWindow;

// OK_Button submits the dialog on the mouse release only. It looks like a return button but hands
// every other event to the plain button handler, so the Enter key does not submit.
class OK_Button : public Fl_Return_Button {
public:
    OK_Button(int x, int y, int w, int h, const char* label) : Fl_Return_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

// runStartupDialog() shows the dialog with the toolkit's command-line options and waits until OK has
// been released with values in range; it then stores them in game.boardSize and game.setupNumber and
// destroys the dialog. Closing the dialog, or Escape in it, ends the process with status 0.
void runStartupDialog(int argc, char** argv);

// onMainWindowClose() ends the process at once with status 0: there is nothing to save.
void onMainWindowClose(Fl_Widget*, void*);
