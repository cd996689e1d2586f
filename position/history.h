// The game line: every move played, with take-back and replay on the one position. The desktop
// program adds the display refresh around these.
#pragma once

#include <vector>

#include "position/move.h"

struct GameHistory {
    std::vector<Move> historyMoves;  // entry i is the (i+1)-th move; grows past any fixed length
    int historyLength;               // valid entries; game.historyPosition of them are applied
};

extern GameHistory gameHistory;
extern Move lastMove;     // the move that produced the position; squares 0 when none
extern Move pendingMove;  // the move being entered; fromRow = fromCol = 0 when nothing is selected

// startHistory() empties the history and clears lastMove and pendingMove.
void startHistory();
// commitMove() plays a new move for the side to move and records it, forgetting any moves beyond.
void commitMove(const Move& m);
// undoStep() takes back entry historyPosition - 1 (requires historyPosition >= 1).
void undoStep();
// redoStep() replays entry historyPosition (requires historyPosition < historyLength).
void redoStep();
