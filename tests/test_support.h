// Shared helpers of the logic's tests: setting up positions, comparing them, random legal moves.
#pragma once

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/move.h"
#include "position/pieces.h"
#include "position/setups.h"
#include "records/notation.h"

namespace testing_support {

// The top of the score range: the open upper end of a search window.
constexpr int32_t MAX_SCORE = 2147483647;

// A game of the tests: the board size, the setup and the moves played from it, in notation.
struct Game {
    int size, setup;
    std::vector<std::string> moves;
};

// sameMove() tells whether two moves are the same move of the same piece: every field but the
// score, which generation and search each write their own way.
inline bool sameMove(const Move& a, const Move& b) {
    return a.fromRow == b.fromRow && a.fromCol == b.fromCol && a.toRow == b.toRow && a.toCol == b.toCol &&
           a.piece == b.piece && a.direction == b.direction && a.distance == b.distance && a.captured == b.captured;
}

// setUpGame() starts a game and plays the moves (in notation) through the game history. Returns ""
// or the reason the first bad move was refused.
inline std::string setUpGame(int size, int setup, const std::vector<std::string>& moves = {}) {
    startPosition(size, setup);
    startHistory();
    for (const std::string& text : moves) {
        MoveText parsed;
        if (!parseMoveText(text, parsed)) return "malformed " + text;
        Move m;
        const std::string reason = findLegalMove(parsed, m);
        if (!reason.empty()) return text + ": " + reason;
        commitMove(m);
    }
    return "";
}

struct Placed {
    int row, col, side;
};

// setUpBoard() sets up an N x N board holding exactly the given pieces, side 0 to move.
inline void setUpBoard(int size, const std::vector<Placed>& pieces) {
    clearGameState();
    game.boardSize = size;
    resetPosition();
    for (const Placed& p : pieces) newPiece(p.row, p.col, p.side);
    game.sideToMove = 0;
}

// diffPositions() names the first difference between two states in everything that a move made
// and taken back must restore: all but the group ids, stamps and weights, the evaluation's scratch
// values, and the per-side change counts with the connection distances kept by them, which only
// ever count up.
inline std::string diffPositions(const GameState& a, const GameState& b) {
    std::ostringstream out;
    bool found = false;
    auto check = [&out, &found](const char* what, long x, long y, int i = -1, int j = -1) {
        if (found || x == y) return;
        found = true;
        out << what;
        if (i >= 0) out << "[" << i << "]";
        if (j >= 0) out << "[" << j << "]";
        out << ": " << x << " vs " << y;
    };
    check("boardSize", a.boardSize, b.boardSize);
    check("sideToMove", a.sideToMove, b.sideToMove);
    for (int r = 0; r < BOARD_STRIDE; ++r)
        for (int c = 0; c < BOARD_STRIDE; ++c) check("board", a.board[r][c], b.board[r][c], r, c);
    for (int s = 0; s < 2; ++s) {
        check("pieceCount", a.pieceCount[s], b.pieceCount[s], s);
        check("sideMoveCount", a.sideMoveCount[s], b.sideMoveCount[s], s);
        check("sideCaptureCount", a.sideCaptureCount[s], b.sideCaptureCount[s], s);
        check("nextPieceId", a.nextPieceId[s], b.nextPieceId[s], s);
        check("groupCount", a.groupCount[s], b.groupCount[s], s);
        for (int i = 0; i < 46; ++i) {
            check("side2ColMinusRowCount", a.side2ColMinusRowCount[s][i], b.side2ColMinusRowCount[s][i], s, i);
            check("sideRowPlus2ColCount", a.sideRowPlus2ColCount[s][i], b.sideRowPlus2ColCount[s][i], s, i);
            check("side2RowPlusColCount", a.side2RowPlusColCount[s][i], b.side2RowPlusColCount[s][i], s, i);
            check("side2RowMinusColCount", a.side2RowMinusColCount[s][i], b.side2RowMinusColCount[s][i], s, i);
        }
        for (int i = 0; i < 31; ++i) {
            check("sideDiagCount", a.sideDiagCount[s][i], b.sideDiagCount[s][i], s, i);
            check("sideAntiDiagCount", a.sideAntiDiagCount[s][i], b.sideAntiDiagCount[s][i], s, i);
        }
        for (int k = 0; k < PROJECTION_COUNT; ++k) {
            check("sideOccupiedLines", static_cast<long>(a.sideOccupiedLines[s][k]),
                  static_cast<long>(b.sideOccupiedLines[s][k]), s, k);
            for (int i = 0; i < 48; ++i)
                check("sideLineBytes", a.sideLineBytes[s][k][i], b.sideLineBytes[s][k][i], s, k * 48 + i);
        }
        for (int w = 0; w < 4; ++w)
            check("sideSquares", static_cast<long>(a.sideSquares[s][w]), static_cast<long>(b.sideSquares[s][w]), s, w);
        check("sideSquaresKey", static_cast<long>(a.sideSquaresKey[s]), static_cast<long>(b.sideSquaresKey[s]), s);
        for (int i = 0; i < 16; ++i) {
            check("sideRowCount", a.sideRowCount[s][i], b.sideRowCount[s][i], s, i);
            check("sideColCount", a.sideColCount[s][i], b.sideColCount[s][i], s, i);
        }
    }
    for (int i = 0; i < 31; ++i) {
        check("diagCount", a.diagCount[i], b.diagCount[i], i);
        check("antiDiagCount", a.antiDiagCount[i], b.antiDiagCount[i], i);
    }
    for (int cell = 0; cell < BOARD_STRIDE * BOARD_STRIDE; ++cell)
        check("squareLines", std::memcmp(&a.squareLines[cell], &b.squareLines[cell], sizeof(SquareLines)), 0, cell);
    for (int family = 0; family < 4; ++family)
        for (int i = 0; i < 31; ++i) {
            const LineBits &x = a.lineBits[family][i], &y = b.lineBits[family][i];
            check("lineBits pieces", static_cast<long>(x.pieces), static_cast<long>(y.pieces), family, i);
            check("lineBits forward", static_cast<long>(x.forward), static_cast<long>(y.forward), family, i);
            check("lineBits forwardCaptures", static_cast<long>(x.forwardCaptures),
                  static_cast<long>(y.forwardCaptures), family, i);
            check("lineBits backward", static_cast<long>(x.backward), static_cast<long>(y.backward), family, i);
            check("lineBits backwardCaptures", static_cast<long>(x.backwardCaptures),
                  static_cast<long>(y.backwardCaptures), family, i);
        }
    for (int i = 0; i < 16; ++i) {
        check("rowCount", a.rowCount[i], b.rowCount[i], i);
        check("colCount", a.colCount[i], b.colCount[i], i);
    }
    for (int id = 0; id < MAX_PIECES; ++id) {
        const PieceRecord &p = a.pieces[id], &q = b.pieces[id];
        check("piece row", p.row, q.row, id);
        check("piece col", p.col, q.col, id);
        check("piece onBoard", p.onBoard, q.onBoard, id);
        check("piece moveDirs", p.moveDirs, q.moveDirs, id);
        check("piece captureDirs", p.captureDirs, q.captureDirs, id);
        check("piece moveCount", p.moveCount, q.moveCount, id);
        check("piece captureCount", p.captureCount, q.captureCount, id);
    }
    check("positionKey", static_cast<long>(a.positionKey), static_cast<long>(b.positionKey));
    check("searchPly", a.searchPly, b.searchPly);
    check("remainingDepth", a.remainingDepth, b.remainingDepth);
    check("historyPosition", a.historyPosition, b.historyPosition);
    return out.str();
}

// legalMoves() lists the moves of the side to move from the move masks, in id and direction order.
inline std::vector<Move> legalMoves() {
    std::vector<Move> moves;
    const int side = game.sideToMove;
    for (int id = side * 64; id < game.nextPieceId[side]; ++id)
        for (int d = 0; d < 8; ++d)
            if (game.pieces[id].moveDirs & (1u << d)) moves.push_back(buildMove(id, d));
    return moves;
}

inline bool someSideConnected() { return game.groupCount[0] == 1 || game.groupCount[1] == 1; }

}  // namespace testing_support
