#include "position/game_state.h"

#include <cstring>

GameState game;

// resetPosition() draws the border around an N x N board, empties the playing squares and zeroes
// the counts that describe them. Only the first N, 2N - 1 or 3N - 2 entries of a table are used.
void resetPosition() {
    const int n = game.boardSize;
    for (int col = 0; col <= n + 1; ++col) {
        game.board[0][col] = BORDER_CELL;
        game.board[n + 1][col] = BORDER_CELL;
    }
    for (int row = 1; row <= n; ++row) {
        game.board[row][0] = BORDER_CELL;
        game.board[row][n + 1] = BORDER_CELL;
        for (int col = 1; col <= n; ++col) game.board[row][col] = EMPTY_CELL;
    }
    game.pieceCount[0] = game.pieceCount[1] = 0;
    game.nextPieceId[0] = 0;
    game.nextPieceId[1] = 64;

    const int lines = n, diagonals = 2 * n - 1, slopeTwo = 3 * n - 2;
    for (int i = 0; i < lines; ++i) game.rowCount[i] = game.colCount[i] = 0;
    for (int i = 0; i < diagonals; ++i) game.diagCount[i] = game.antiDiagCount[i] = 0;
    for (auto& family : game.lineBits)
        for (LineBits& line : family) line = LineBits{};
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < lines; ++i) game.sideRowCount[s][i] = game.sideColCount[s][i] = 0;
        for (int i = 0; i < diagonals; ++i) game.sideDiagCount[s][i] = game.sideAntiDiagCount[s][i] = 0;
        for (int i = 0; i < slopeTwo; ++i) {
            game.side2ColMinusRowCount[s][i] = game.sideRowPlus2ColCount[s][i] = 0;
            game.side2RowPlusColCount[s][i] = game.side2RowMinusColCount[s][i] = 0;
        }
        game.sideMoveCount[s] = game.sideCaptureCount[s] = 0;
        for (uint64_t& occupied : game.sideOccupiedLines[s]) occupied = 0;
        for (auto& projection : game.sideLineBytes[s])
            for (uint8_t& count : projection) count = 0;
        game.sideChangeCount[s] = game.cachedDistanceKey[s] = 0;
        game.cachedDistance[s] = 0;
    }
}

void clearGameState() { std::memset(&game, 0, sizeof game); }
