#include "position/pieces.h"

#include "position/game_state.h"
#include "position/groups.h"

namespace {

// adjustCount() adds delta to count i of a per-side table and keeps bit i of the table's
// occupancy mask equal to (count != 0).
inline void adjustCount(int32_t* counts, uint64_t& occupied, int i, int delta) {
    const int32_t count = counts[i] += delta;
    occupied = (occupied & ~(uint64_t{1} << i)) | (static_cast<uint64_t>(count != 0) << i);
}

// adjustLineCounts() adds delta to the four counts of both sides and the eight counts of side s
// for the lines through (row, col).
inline void adjustLineCounts(int row, int col, int s, int delta) {
    const int n = game.boardSize;
    ++game.sideChangeCount[s];
    game.colCount[col - 1] += delta;
    game.antiDiagCount[row + col - 2] += delta;
    game.rowCount[row - 1] += delta;
    game.diagCount[row - col + n - 1] += delta;
    uint64_t* occupied = game.sideOccupiedLines[s];
    adjustCount(game.side2ColMinusRowCount[s], occupied[PROJ_2COL_MINUS_ROW], 2 * col - row + n - 2, delta);
    adjustCount(game.sideColCount[s], occupied[PROJ_COLS], col - 1, delta);
    adjustCount(game.sideRowPlus2ColCount[s], occupied[PROJ_ROW_PLUS_2COL], row + 2 * col - 3, delta);
    adjustCount(game.sideAntiDiagCount[s], occupied[PROJ_ANTI_DIAGS], row + col - 2, delta);
    adjustCount(game.side2RowPlusColCount[s], occupied[PROJ_2ROW_PLUS_COL], 2 * row + col - 3, delta);
    adjustCount(game.sideRowCount[s], occupied[PROJ_ROWS], row - 1, delta);
    adjustCount(game.side2RowMinusColCount[s], occupied[PROJ_2ROW_MINUS_COL], 2 * row - col + n - 2, delta);
    adjustCount(game.sideDiagCount[s], occupied[PROJ_DIAGS], row - col + n - 1, delta);
}

// applyMaskRule() makes direction bit `bit` of piece id agree with whether its move is legal and,
// if so, whether the target cell holds a piece (necessarily an enemy: a capture).
inline void applyMaskRule(int id, uint32_t bit, bool legal, int32_t target) {
    PieceRecord& p = game.pieces[id];
    const int s = id >> 6;
    if (legal) {
        if (!(p.moveDirs & bit)) {
            p.moveDirs |= bit;
            ++p.moveCount;
            ++game.sideMoveCount[s];
        }
        if (target > 0) {
            if (!(p.captureDirs & bit)) {
                p.captureDirs |= bit;
                ++p.captureCount;
                ++game.sideCaptureCount[s];
            }
        } else if (p.captureDirs & bit) {
            p.captureDirs &= ~bit;
            --p.captureCount;
            --game.sideCaptureCount[s];
        }
        return;
    }
    if (p.moveDirs & bit) {
        p.moveDirs &= ~bit;
        --p.moveCount;
        --game.sideMoveCount[s];
    }
    if (p.captureDirs & bit) {
        p.captureDirs &= ~bit;
        --p.captureCount;
        --game.sideCaptureCount[s];
    }
}

// The landing test: a mover of code c may land on cell x when x is empty or holds an enemy piece.
// The border (-1) and own pieces share a bit with c & 0xC0 and fail.
inline bool canLand(int32_t c, int32_t x) { return ((c & 0xC0) & x) == 0; }

}  // namespace

void placePiece(int row, int col, int id) {
    game.board[row][col] = id + PIECE_CODE_BASE;
    game.pieces[id].row = row;
    game.pieces[id].col = col;
    adjustLineCounts(row, col, id >> 6, +1);
    joinGroupsOnPlace(id);
}

void removePiece(int row, int col, int id) {
    const int s = id >> 6;
    game.board[row][col] = EMPTY_CELL;
    adjustLineCounts(row, col, s, -1);
    PieceRecord& p = game.pieces[id];
    p.moveDirs = 0;
    p.captureDirs = 0;
    game.sideMoveCount[s] -= p.moveCount;
    game.sideCaptureCount[s] -= p.captureCount;
    p.moveCount = 0;
    p.captureCount = 0;
    splitGroupOnRemove(id);
}

void newPiece(int row, int col, int side) {
    const int id = game.nextPieceId[side]++;
    PieceRecord& p = game.pieces[id];
    p.captureDirs = 0;
    p.moveDirs = 0;
    p.onBoard = true;
    p.captureCount = 0;
    p.moveCount = 0;
    ++game.pieceCount[side];
    placePiece(row, col, id);
    updateLinesThrough(row, col);
}

void updateLinesThrough(int row, int col) {
    const int n = game.boardSize;
    const int diagStart = row >= col ? (row - col) * BOARD_STRIDE : col - row;
    const int antiStart = row + col <= n + 1 ? row + col : (row + col - n) * BOARD_STRIDE + n - 17;
    updateLine(row * BOARD_STRIDE, 3, game.rowCount[row - 1]);
    updateLine(diagStart, 4, game.diagCount[row - col + n - 1]);
    updateLine(col, 5, game.colCount[col - 1]);
    updateLine(antiStart, 6, game.antiDiagCount[row + col - 2]);
}

// updateLine() walks a window of width n along one line and fixes the two direction bits that this
// line owns for every piece that can be a head or a tail of the window: the head's backward move
// lands on the tail, the tail's forward move on the head, and between[] counts each side's pieces
// strictly inside the window. A piece nearer a border than n never gets that bit examined: its
// move in that direction would leave the board.
void updateLine(int start, int d, int n) {
    if (n == 0) return;
    const int32_t* cells = boardCells();
    const int f = DirectionOffsets[d];
    const uint32_t forwardBit = 1u << d;
    const uint32_t backwardBit = 1u << ((d + 4) & 7);

    int between[2] = {0, 0};
    for (int k = 1; k < n; ++k) {
        const int32_t c = cells[start + k * f];
        if (c > 0) ++between[c >> 7];
    }
    int tail = start;
    int head = start + n * f;
    for (;;) {
        const int32_t h = cells[head];
        if (h > 0) {
            const int s = h >> 7;
            const int32_t target = cells[tail];
            applyMaskRule(h - PIECE_CODE_BASE, backwardBit, between[1 - s] == 0 && canLand(h, target), target);
            ++between[s];
        }
        tail += f;
        head += f;
        const int32_t t = cells[tail];
        const int32_t target = cells[head];
        if (t > 0) {
            const int s = t >> 7;
            --between[s];
            applyMaskRule(t - PIECE_CODE_BASE, forwardBit, between[1 - s] == 0 && canLand(t, target), target);
        }
        if (target == BORDER_CELL) return;
    }
}
