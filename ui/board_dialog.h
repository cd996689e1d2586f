// The dialog that asks for the board size and the initial arrangement: at start-up (app/startup_dialog.h)
// and again for a new game. It is laid out at the window's zoom.
#pragma once

#include <FL/Fl_Return_Button.H>

class Fl_Value_Input;
class Fl_Window;

// OK_Button submits the dialog on the mouse release only. It looks like a return button but hands
// every other event to the plain button handler, so the Enter key does not submit.
class OK_Button : public Fl_Return_Button {
public:
    OK_Button(int x, int y, int w, int h, const char* label) : Fl_Return_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

// The dialog's widgets, created in this order.
struct BoardDialog {
    Fl_Window* window;
    Fl_Value_Input* sizeInput;
    Fl_Value_Input* setupInput;
    OK_Button* okButton;
};

// createBoardDialog() creates the dialog, not yet shown, with these values in its fields. While it
// exists, a release of OK stores the fields' values into *chosenSize and *chosenSetup when both are in
// range; otherwise it leaves them alone and puts the nearest valid values into the fields.
BoardDialog createBoardDialog(int size, int setup, int* chosenSize, int* chosenSetup);

// destroyBoardDialog() destroys the widgets and the window, in the order they were created.
void destroyBoardDialog(BoardDialog& dialog);

// askNewBoard() shows the dialog again, over the main window, with `size` and `setup` filled in, and
// waits. OK with values in range replaces them and returns true; Escape or closing the dialog returns
// false and leaves them.
bool askNewBoard(int& size, int& setup);
