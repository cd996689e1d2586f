#include "ui/widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Value_Input.H>

Fl_Window* gameWindow = nullptr;
Fl_Box* boardFrame;
Fl_Box* squareBox[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
Square_Button* squareButton[MAX_BOARD_SIZE + 1][MAX_BOARD_SIZE + 1];
Fl_Box* statBox[STAT_ROWS][2];
Fl_Value_Input* maxDepthInput;
Fl_Box* levelsBox;
Fl_Value_Input* maxTimeInput;
Fl_Box* secondsBox;
Fl_Button* thinkButton;
Fl_Output* exploringOutput;
Fl_Output* atDepthOutput;
Fl_Button* restartButton;
Fl_Button* undoButton;
Fl_Button* redoButton;
Fl_Button* goToEndButton;

bool thinking = false;

void clearWidgetHandles() {
    boardFrame = nullptr;
    for (auto& row : squareBox)
        for (Fl_Box*& box : row) box = nullptr;
    for (auto& row : squareButton)
        for (Square_Button*& button : row) button = nullptr;
    for (auto& row : statBox)
        for (Fl_Box*& box : row) box = nullptr;
    maxDepthInput = maxTimeInput = nullptr;
    levelsBox = secondsBox = nullptr;
    exploringOutput = atDepthOutput = nullptr;
    thinkButton = restartButton = undoButton = redoButton = goToEndButton = nullptr;
}

bool limitFieldHasFocus() { return maxDepthInput->contains(Fl::focus()) || maxTimeInput->contains(Fl::focus()); }
