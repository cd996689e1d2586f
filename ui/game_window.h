// The game window, "Game - Tarnwick 2.0": a second window beside the main one, at the main window's
// zoom, that holds from the top the move list (ui/move_list.h) with the line that tells the analysis of
// the move shown, the graph (ui/evaluation_graph.h), the controls of the analysis of the whole game
// (ui/game_analysis.h) and the line of the position shown (ui/position_analysis.h). The menu's "Game
// window" and Ctrl+G show and hide it; closing it or Escape in it hide it, and the program still ends
// only with the main window. It follows every change of the game. Its keys are the main window's: a key
// that its widgets leave goes to the game and the menu as in the main window.
#pragma once

#include <FL/Fl_Window.H>

#include "ui/game_events.h"

constexpr const char* GAME_WINDOW_TITLE = "Game - Tarnwick 2.0";

class Game_Window : public Fl_Window {
public:
    Game_Window(int w, int h, const char* title) : Fl_Window(w, h, title) {}
    int handle(int event) override;
};

// gameWindowSize() is the window's width and height at the zoom.
void gameWindowSize(int& width, int& height);

// buildGameWindow() creates the window and its widgets, not shown, when it has not been created yet.
void buildGameWindow();

// showGameWindow() builds the window when it has not been, brings it up to date and shows it beside the
// main window: to its right when the screen has room, else to its left, else as far right as the screen
// allows. hideGameWindow() hides it, and stops the analysis of the position shown, which it would show.
void showGameWindow();
void hideGameWindow();
bool gameWindowShown();

// toggleGameWindow() is the menu's "Game window": shown, it hides it; hidden, it shows it.
void toggleGameWindow();

// rebuildGameWindow() builds the window's widgets again for the zoom, when it has been built: its size
// follows, what it shows stays.
void rebuildGameWindow();

// followGameInGameWindow() is the game listener of the window: the list and the graph follow the game,
// the analysis of the game stops on a new move or another game, and the line of the position shown
// starts again.
void followGameInGameWindow(GameChange change);
