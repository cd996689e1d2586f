// Move notation: column letter (A = column 1), row number (1 = top row), "-" for a move to an
// empty square or "x" for a capture, then the target square: B1-B3, C10xE12.
#pragma once

#include <string>

#include "position/move.h"

std::string squareText(int row, int col);
std::string moveText(const Move& m);

// variationText() writes the moves of a line, each after a blank: " B1-B3 H7-G6".
std::string variationText(const Variation& line);

// formatProgress() writes the exploring text of root move number n: " 3: B1-B3", "12: C10xE12".
// out must hold 16 characters; the text has at most 11 for n <= 99.
void formatProgress(char* out, int n, const Move& m);

// parseMoveText() reads one move in notation into its squares and capture flag, without looking
// at any position. Returns false when the text is malformed. Lower-case letters are accepted.
struct MoveText {
    int fromRow, fromCol, toRow, toCol;
    bool capture;
};
bool parseMoveText(const std::string& text, MoveText& out);

// findLegalMove() matches parsed squares against the legal moves of the side to move in the
// current position. Returns "" and fills m when the move is legal, else a reason.
std::string findLegalMove(const MoveText& text, Move& m);
