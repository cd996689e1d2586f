// The main window's contents: the board squares, the statistics panel, the computer player's controls
// and the navigation buttons, and the refresh that keeps them in step with the position.
#pragma once

// buildMainWindow() creates the widgets inside the current group, the main window; it reads only the
// board size. The square images must have been rendered before.
void buildMainWindow();

// refreshBoard() brings the board squares, the navigation buttons and the statistics up to date with the
// position, the last move, the selection and the game history.
void refreshBoard();
