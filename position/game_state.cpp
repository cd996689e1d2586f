#include "position/game_state.h"

#include <cstring>

#include "position/position_key.h"

GameState game;

namespace {

// squareLinesOf() works out where (row, col) lies on its lines on an n x n board: the count index
// formulas of the twelve line tables, and for the row, diagonal, column and anti-diagonal the start
// cell (the border cell before the line's first square), the length and the square's place.
SquareLines squareLinesOf(int row, int col, int n) {
    SquareLines square{};
    square.projection[PROJ_COLS] = static_cast<uint8_t>(col - 1);
    square.projection[PROJ_ROWS] = static_cast<uint8_t>(row - 1);
    square.projection[PROJ_ANTI_DIAGS] = static_cast<uint8_t>(row + col - 2);
    square.projection[PROJ_DIAGS] = static_cast<uint8_t>(row - col + n - 1);
    square.projection[PROJ_2COL_MINUS_ROW] = static_cast<uint8_t>(2 * col - row + n - 2);
    square.projection[PROJ_ROW_PLUS_2COL] = static_cast<uint8_t>(row + 2 * col - 3);
    square.projection[PROJ_2ROW_PLUS_COL] = static_cast<uint8_t>(2 * row + col - 3);
    square.projection[PROJ_2ROW_MINUS_COL] = static_cast<uint8_t>(2 * row - col + n - 2);
    const auto line = [&square](int k, int start, int length, int place) {
        square.start[k] = static_cast<int16_t>(start);
        square.length[k] = static_cast<uint8_t>(length);
        square.place[k] = static_cast<uint8_t>(place);
    };
    line(0, row * BOARD_STRIDE, n, col);
    if (row >= col) line(1, (row - col) * BOARD_STRIDE, n - (row - col), col);
    else line(1, col - row, n - (col - row), row);
    line(2, col, n, row);
    const int sum = row + col;
    if (sum <= n + 1) line(3, sum, sum - 1, row);
    else line(3, (sum - n - 1) * BOARD_STRIDE + n + 1, 2 * n + 1 - sum, n + 1 - col);
    return square;
}

}  // namespace

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
        for (int col = 1; col <= n; ++col) {
            game.board[row][col] = EMPTY_CELL;
            game.squareLines[boardIndex(row, col)] = squareLinesOf(row, col, n);
        }
    }
    game.pieceCount[0] = game.pieceCount[1] = 0;
    game.positionKey = boardSizeKey(n);
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
        for (uint64_t& squares : game.sideSquares[s]) squares = 0;
        game.sideSquaresKey[s] = 0;
    }
}

void clearGameState() { std::memset(&game, 0, sizeof game); }
