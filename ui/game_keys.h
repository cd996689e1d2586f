// The game's keys in the main window, and copying and pasting game records through the clipboard.
//
//   Ctrl+Z         Undo                 Home    Restart
//   Ctrl+Y         Redo                 End     Go to end
//   Ctrl+Shift+Z   Redo                 Ctrl+T  "Think!"
//   Ctrl+C         copy the record of the game up to the position shown
//   Ctrl+V         paste a record, or a bare list of moves on the window's board and setup
//
// A key that stands for a button acts only where that button is shown, as a click on it would. No key
// acts while the computer thinks: the position on the board is then the search's.
#pragma once

#include <string>

class Fl_Widget;

// handleGameKey() acts on the key of the current event when it is one of the game's keys and returns 1;
// otherwise it returns 0. A paste is asked of the toolkit, which hands the clipboard's text to
// `pasteReceiver` later as an FL_PASTE event.
int handleGameKey(Fl_Widget* pasteReceiver);

// copyGame() puts the record of the game up to the position shown into the clipboard and the primary
// selection, and returns it.
std::string copyGame();

// pasteGame() reads the text as a record, or as a bare list of moves on the window's board and setup,
// and replaces the game with it: the board shows its last position, and the history holds its moves
// for Undo, and the analysis in its comments shows in the game window. Returns "", or the reason the
// text was refused, and then nothing has changed. Also a record for another board size is refused: the
// window's board cannot change. While the computer thinks nothing is pasted.
std::string pasteGame(const std::string& text);
