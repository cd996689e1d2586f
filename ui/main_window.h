// The main window: its widgets laid out for the board size and the zoom, built once at start-up and
// built again when the board size or the zoom changes, and its own handling of the mouse and the keys.
#pragma once

#include <FL/Fl_Window.H>

#include "ui/board_view.h"
#include "ui/statistics_panel.h"
#include "ui/widgets.h"

// Main_Window is the main window. Besides its widgets it handles the game's keys and the text pasted into
// the game (ui/game_keys.h), offers the right button and the keys the game leaves to the menu (see
// windowMenuHandler), and it keeps the keyboard for the game: at start-up the window itself has the
// focus, not its first input field, and a click anywhere outside the two limit fields takes the focus
// out of a field, so that the keys the fields use for their text (Ctrl+C, Ctrl+V, Ctrl+Z, Home, End)
// reach the game again. Any key clears a hint shown on the board.
class Main_Window : public Fl_Window {
public:
    Main_Window(int w, int h, const char* title) : Fl_Window(w, h, title) {}
    int handle(int event) override;
};

// windowMenuHandler is how the game's menu (ui/game_menu.h) reaches the window's events: it is offered
// a press of the right mouse button anywhere in the window, before any widget sees it, and every key
// that the game's own keys leave, and returns 1 when it takes the event. Null: no menu.
extern int (*windowMenuHandler)(int event);

// createMainWindow() creates the main window for game.boardSize at the window's zoom: the board plus a
// 250-pixel panel on the right and a 50-pixel strip below (at zoom 1), titled "Tarnwick 2.0". It is
// the current group afterwards, so the widgets built next land in it.
Main_Window* createMainWindow();

// buildMainWindow() creates the widgets inside the current group, the main window; it reads only the
// board size and the zoom. The square images must have been rendered for the zoom; the first
// refreshBoard shows them.
void buildMainWindow();

// mainWindowSize() is the width and height of the main window for the board size and the zoom.
void mainWindowSize(int& width, int& height);

// rebuildMainWindow() builds the main window's widgets again for the current board size and zoom:
// the old widgets go, the window takes its new size, the limits typed into the two fields stay, and
// the display is refreshed. The square images must have been rendered for the zoom. Never while the
// computer thinks, nor from a handler of one of the widgets that go.
void rebuildMainWindow();
