#include "position/move.h"

#include "position/game_state.h"
#include "position/pieces.h"

void makeMove(const Move& m) {
    removePiece(m.fromRow, m.fromCol, m.piece);
    updateLinesThrough(m.fromRow, m.fromCol);
    if (m.captured >= 0) {
        removePiece(m.toRow, m.toCol, m.captured);
        game.pieces[m.captured].onBoard = false;
        --game.pieceCount[sideOfPiece(m.captured)];
    }
    placePiece(m.toRow, m.toCol, m.piece);
    updateLinesThrough(m.toRow, m.toCol);
}

void unmakeMove(const Move& m) {
    removePiece(m.toRow, m.toCol, m.piece);
    if (m.captured >= 0) {
        placePiece(m.toRow, m.toCol, m.captured);
        game.pieces[m.captured].onBoard = true;
        ++game.pieceCount[sideOfPiece(m.captured)];
    }
    updateLinesThrough(m.toRow, m.toCol);
    placePiece(m.fromRow, m.fromCol, m.piece);
    updateLinesThrough(m.fromRow, m.fromCol);
}

Move buildMove(int id, int d) {
    const PieceRecord& p = game.pieces[id];
    const int n = game.boardSize;
    int distance;
    switch (d & 3) {
        case 0: distance = game.diagCount[p.row - p.col + n - 1]; break;
        case 1: distance = game.colCount[p.col - 1]; break;
        case 2: distance = game.antiDiagCount[p.row + p.col - 2]; break;
        default: distance = game.rowCount[p.row - 1]; break;
    }
    Move m;
    m.fromRow = p.row;
    m.fromCol = p.col;
    m.toRow = p.row + distance * DirRowDelta[d];
    m.toCol = p.col + distance * DirColDelta[d];
    m.piece = id;
    m.direction = d;
    m.distance = distance;
    m.captured = game.board[m.toRow][m.toCol] - PIECE_CODE_BASE;
    m.score = 0;
    return m;
}
