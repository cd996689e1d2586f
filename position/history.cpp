#include "position/history.h"

#include "position/game_state.h"

GameHistory gameHistory;
Move lastMove;
Move pendingMove;

namespace {

void clearSquares(Move& m) { m.fromRow = m.fromCol = m.toRow = m.toCol = 0; }

}  // namespace

void startHistory() {
    gameHistory.historyMoves.clear();
    gameHistory.historyLength = 0;
    game.historyPosition = 0;
    lastMove = Move{};
    pendingMove = Move{};
}

// commitMove() plays m for the side to move and makes it the last entry of the game line. The
// history grows as needed: a game line is never cut short.
void commitMove(const Move& m) {
    playMove(m);
    lastMove = m;
    std::vector<Move>& moves = gameHistory.historyMoves;
    moves.resize(game.historyPosition);
    moves.push_back(m);
    gameHistory.historyLength = game.historyPosition + 1;
    game.historyPosition = gameHistory.historyLength;
    pendingMove.fromRow = pendingMove.fromCol = 0;
}

void undoStep() {
    --game.historyPosition;
    const Move m = gameHistory.historyMoves[game.historyPosition];
    takeBackMove(m);
    pendingMove.fromRow = pendingMove.fromCol = 0;
    if (game.historyPosition == 0)
        clearSquares(lastMove);
    else
        lastMove = gameHistory.historyMoves[game.historyPosition - 1];
}

void redoStep() {
    lastMove = gameHistory.historyMoves[game.historyPosition];
    ++game.historyPosition;
    playMove(lastMove);
    pendingMove.fromRow = pendingMove.fromCol = 0;
}
