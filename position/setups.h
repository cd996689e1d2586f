// The nine initial arrangements on the two rings near the edge of the board.
#pragma once

// placeInitialSetup() places setup game.setupNumber on the freshly reset board of size
// game.boardSize. Piece ids are handed out in placing order.
void placeInitialSetup();

// startPosition() sets up a whole new game in this process: clears the state, sets the size and
// setup, resets the board, places the setup and gives side 0 the move.
void startPosition(int boardSize, int setupNumber);
