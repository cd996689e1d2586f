#include "app/startup_dialog.h"

#include <FL/Fl.H>
#include <FL/filename.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Window.H>

#include <cmath>
#include <cstdlib>

#include "position/game_state.h"

Fl_Window* mainWindow = nullptr;

namespace {

// The dialog's two inputs, held while the dialog exists.
Fl_Value_Input* boardSizeInput = nullptr;
Fl_Value_Input* setupInput = nullptr;

// takeWholeValue() reads an input as a whole number, truncating toward zero. A whole number outside the
// input's range is not taken (3.5 is board size 3, which is refused, not 4), nor is a value that is no
// number at all: the nearest value in range is put into the field instead, so the user sees what a
// second OK would start with.
bool takeWholeValue(Fl_Value_Input* input, int& whole) {
    const double value = std::trunc(input->value()), low = input->minimum(), high = input->maximum();
    if (value >= low && value <= high) {
        whole = static_cast<int>(value);
        return true;
    }
    input->value(value > high ? high : low);
    return false;
}

void onStartupDialogClose(Fl_Widget*, void*) { std::exit(0); }

}  // namespace

// OK_Button::handle() stores both values on the release of a mouse button pressed on OK, also when the
// pointer has left the button by then. Board size 0 is the "nothing chosen yet" mark of the dialog loop,
// so an entry that is not taken leaves it at 0 and the dialog stays open.
int OK_Button::handle(int event) {
    if (event != FL_RELEASE) return Fl_Button::handle(event);
    int boardSize = 0, setupNumber = 0;
    const bool sizeTaken = takeWholeValue(boardSizeInput, boardSize);
    const bool setupTaken = takeWholeValue(setupInput, setupNumber);
    if (sizeTaken && setupTaken) {
        game.boardSize = boardSize;
        game.setupNumber = setupNumber;
    }
    Fl_Button::handle(FL_RELEASE);
    return 1;
}

void runStartupDialog(int argc, char** argv) {
    // The dialog has no title of its own: the toolkit names it after the program.
    Fl_Window* dialog = new Fl_Window(130, 100);
    mainWindow = dialog;
    dialog->callback(onStartupDialogClose);

    // The inputs, each given its step, then its value, then its range, so they show whole numbers from
    // the start; then the button.
    boardSizeInput = new Fl_Value_Input(90, 10, 22, 20, "Board size ");
    boardSizeInput->step(1);
    boardSizeInput->value(8);
    boardSizeInput->bounds(4, 16);
    setupInput = new Fl_Value_Input(90, 40, 22, 20, "Initial setup ");
    setupInput->step(1);
    setupInput->value(3);
    setupInput->bounds(0, 8);
    OK_Button* okButton = new OK_Button(40, 70, 50, 25, "OK");

    // Show it and let the toolkit run until OK has stored a board size.
    dialog->end();
    // The dialog has no title of its own, so the toolkit titles it with its window class: make that
    // class the program's file name (this toolkit version would otherwise say "FLTK").
    if (argc > 0 && argv[0]) Fl_Window::default_xclass(fl_filename_name(argv[0]));
    dialog->show(argc, argv);
    while (game.boardSize == 0) Fl::wait();

    // The dialog is gone before the main window is built.
    delete boardSizeInput;
    boardSizeInput = nullptr;
    delete setupInput;
    setupInput = nullptr;
    delete okButton;
    delete dialog;
    mainWindow = nullptr;
}

void onMainWindowClose(Fl_Widget*, void*) { std::exit(0); }
