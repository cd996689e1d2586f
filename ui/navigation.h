// The four navigation buttons of the game history: Restart, Undo, Redo and Go to end. Each acts on the
// mouse release, takes moves back or replays them one at a time on the one position, and refreshes the
// display after every single step. While the computer thinks they do nothing beyond looking pressed.
// Going back and forth never starts a think of the computer: a person may look back at a game.
#pragma once

#include <FL/Fl_Button.H>

class Restart_Button : public Fl_Button {
public:
    Restart_Button(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

class Undo_Button : public Fl_Button {
public:
    Undo_Button(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

class Redo_Button : public Fl_Button {
public:
    Redo_Button(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

class GoToEnd_Button : public Fl_Button {
public:
    GoToEnd_Button(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override;
};

// showPly() shows the position after the first `ply` moves of the history (brought into 0 to the
// history's length), as Undo or Redo pressed that many times would: the history stays, the display is
// refreshed, and the listeners hear of it once when the position changed. It does nothing while the
// computer thinks. The move list and the graph of the game window go there.
void showPly(int ply);
