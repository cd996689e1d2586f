#include "ui/board_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Window.H>

#include <cmath>

#include "position/game_state.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"

namespace {

// The dialog that exists now (its window null when none) and where its OK stores the values.
BoardDialog current{};
int* sizeTarget = nullptr;
int* setupTarget = nullptr;

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

// An input given its step, then its value, then its range, so it shows whole numbers from the start.
Fl_Value_Input* buildInput(int y, const char* label, int value, int low, int high) {
    Fl_Value_Input* input = new Fl_Value_Input(scaled(90), scaled(y), scaled(22), scaled(20), label);
    input->step(1);
    input->value(value);
    input->bounds(low, high);
    input->labelsize(scaled(NORMAL_FONT_SIZE));
    input->textsize(scaled(NORMAL_FONT_SIZE));
    return input;
}

void hideDialog(Fl_Widget* window, void*) { window->hide(); }

}  // namespace

// OK_Button::handle() stores both values on the release of a mouse button pressed on OK, also when the
// pointer has left the button by then.
int OK_Button::handle(int event) {
    if (event != FL_RELEASE || !current.window) return Fl_Button::handle(event);
    int boardSize = 0, setupNumber = 0;
    const bool sizeTaken = takeWholeValue(current.sizeInput, boardSize);
    const bool setupTaken = takeWholeValue(current.setupInput, setupNumber);
    if (sizeTaken && setupTaken) {
        *sizeTarget = boardSize;
        *setupTarget = setupNumber;
    }
    Fl_Button::handle(FL_RELEASE);
    return 1;
}

BoardDialog createBoardDialog(int size, int setup, int* chosenSize, int* chosenSetup) {
    BoardDialog dialog;
    // The dialog has no title of its own: the toolkit names it after the program.
    dialog.window = new Fl_Window(scaled(130), scaled(100));
    dialog.sizeInput = buildInput(10, "Board size ", size, 4, MAX_BOARD_SIZE);
    dialog.setupInput = buildInput(40, "Initial setup ", setup, 0, 8);
    dialog.okButton = new OK_Button(scaled(40), scaled(70), scaled(50), scaled(25), "OK");
    dialog.okButton->labelsize(scaled(NORMAL_FONT_SIZE));
    dialog.window->end();
    current = dialog;
    sizeTarget = chosenSize;
    setupTarget = chosenSetup;
    return dialog;
}

void destroyBoardDialog(BoardDialog& dialog) {
    current = BoardDialog{};
    delete dialog.sizeInput;
    delete dialog.setupInput;
    delete dialog.okButton;
    delete dialog.window;
    dialog = BoardDialog{};
}

// askNewBoard() keeps the rest of the program waiting (the dialog is modal) until OK has taken values
// or the dialog is gone.
bool askNewBoard(int& size, int& setup) {
    int chosenSize = 0, chosenSetup = 0;
    BoardDialog dialog = createBoardDialog(size, setup, &chosenSize, &chosenSetup);
    dialog.window->callback(hideDialog);
    dialog.window->set_modal();
    if (gameWindow) {
        // Titled as at start-up, where the toolkit names the untitled dialog after the program's class.
        if (gameWindow->xclass()) dialog.window->copy_label(gameWindow->xclass());
        dialog.window->position(gameWindow->x() + scaled(20), gameWindow->y() + scaled(20));
    }
    dialog.window->show();
    while (chosenSize == 0 && dialog.window->shown()) Fl::wait();
    destroyBoardDialog(dialog);
    if (chosenSize == 0) return false;
    size = chosenSize;
    setup = chosenSetup;
    return true;
}
