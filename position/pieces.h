// Placing and removing pieces: the only writers of the board, the line counts and the move masks.
#pragma once

// Placing and removing
void placePiece(int row, int col, int id);   // onto an empty square; masks of id must be 0
void removePiece(int row, int col, int id);  // clears id's masks and counts
void newPiece(int row, int col, int side);   // next free id of side, lines updated

// Move masks
void updateLinesThrough(int row, int col);   // row, diagonal, column, anti-diagonal, in this order
void updateLine(int start, int d, int n);    // start cell, forward direction 3..6, piece count
