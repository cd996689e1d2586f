// The game's files in the window: a new game, Open and Save as with the toolkit's file chooser, the
// window's title naming the file, and the last game, kept after every change and resumed.
#pragma once

#include <string>

#include "ui/game_events.h"

// The window's title: "game.txt - Tarnwick 2.0" after an Open, a Save or a start with --record FILE;
// "Tarnwick 2.0" otherwise.
void showFileInTitle(const std::string& path);
void showPlainTitle();

// newGame() asks for a board size and setup with the start-up dialog, filled in with the current game's,
// and starts that game; the window takes the new board's size. Escape or closing the dialog keeps the
// game.
void newGame();

// openGame() reads a game record chosen with the file chooser and shows its last position, every move in
// the history; a record of another board size is opened on its size. A file that cannot be read or is
// no valid record gives a message box with the reason, and the game stays as it was.
void openGame();

// openGameFile() does the work of openGame() for a file named already: it returns "" with the game
// opened and shown, or the one-line reason it was not opened ("Not opened: game.txt:6: 'B1-B4': move 1:
// not a legal move in this position"), and then the game is as it was.
std::string openGameFile(const std::string& path);

// saveGameFile() does the work of saveGameAs() for a file named already: "" or the reason.
std::string saveGameFile(const std::string& path);

// saveGameAs() writes every move of the history, also those taken back, with the result, to a file
// chosen with the file chooser, through a temporary file renamed over it. A place that cannot be written
// gives a message box; the game and any file there stay as they were.
void saveGameAs();

// rememberLastGame() reads the last game kept by an earlier run, before this run keeps its own game over
// it, for "Resume last game". Call it once at start-up.
void rememberLastGame();

// resumeLastGame() opens the game remembered at start-up at the position that was shown, every move in
// the history. Without one, or with one that cannot be read, a message box says why.
void resumeLastGame();

// titleFollowsGame() is the game listener that puts the plain title back when another game replaces the
// one from a file; an Open names its file right after.
void titleFollowsGame(GameChange change);

// keepGame() is the game listener that keeps the game in the last-game file after every change. A file
// that cannot be written never stops the game: it says so in one line on standard error, once per run.
void keepGame(GameChange change);
