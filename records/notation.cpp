#include "records/notation.h"

#include <cctype>
#include <cstdio>

#include "position/game_state.h"

std::string squareText(int row, int col) {
    return std::string(1, static_cast<char>('A' + col - 1)) + std::to_string(row);
}

std::string moveText(const Move& m) {
    return squareText(m.fromRow, m.fromCol) + (m.captured >= 0 ? "x" : "-") + squareText(m.toRow, m.toCol);
}

void formatProgress(char* out, int n, const Move& m) {
    std::snprintf(out, 16, "%2d: %s", n, moveText(m).c_str());
}

namespace {

// Reads a square at text[pos]: a letter A..P and a row number 1..99 without a leading zero.
bool parseSquare(const std::string& text, size_t& pos, int& row, int& col) {
    if (pos >= text.size() || !std::isalpha(static_cast<unsigned char>(text[pos]))) return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos])));
    if (letter < 'A' || letter > 'P') return false;
    col = letter - 'A' + 1;
    ++pos;
    size_t digits = 0;
    row = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && digits < 2) {
        row = row * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0 && row >= 1 && !(digits == 2 && row < 10);
}

}  // namespace

bool parseMoveText(const std::string& text, MoveText& out) {
    size_t pos = 0;
    if (!parseSquare(text, pos, out.fromRow, out.fromCol)) return false;
    if (pos >= text.size() || (text[pos] != '-' && text[pos] != 'x' && text[pos] != 'X')) return false;
    out.capture = text[pos] != '-';
    ++pos;
    if (!parseSquare(text, pos, out.toRow, out.toCol)) return false;
    return pos == text.size();
}

std::string findLegalMove(const MoveText& t, Move& m) {
    const int n = game.boardSize;
    auto inside = [n](int row, int col) { return row >= 1 && row <= n && col >= 1 && col <= n; };
    if (!inside(t.fromRow, t.fromCol)) return "square " + squareText(t.fromRow, t.fromCol) + " is off the board";
    if (!inside(t.toRow, t.toCol)) return "square " + squareText(t.toRow, t.toCol) + " is off the board";
    const int32_t code = game.board[t.fromRow][t.fromCol];
    if (code <= 0) return "no piece on " + squareText(t.fromRow, t.fromCol);
    if (sideOfCode(code) != game.sideToMove)
        return "the piece on " + squareText(t.fromRow, t.fromCol) + " is not of the side to move";
    const int id = code - PIECE_CODE_BASE;
    for (int d = 0; d < 8; ++d) {
        if (!(game.pieces[id].moveDirs & (1u << d))) continue;
        const Move candidate = buildMove(id, d);
        if (candidate.toRow != t.toRow || candidate.toCol != t.toCol) continue;
        const bool capture = candidate.captured >= 0;
        if (capture && !t.capture) return "the move captures: write it with x";
        if (!capture && t.capture) return "the move captures nothing: write it with -";
        m = candidate;
        return "";
    }
    return "not a legal move in this position";
}

std::string variationText(const Variation& line) {
    std::string text;
    for (int i = 0; i < line.length; ++i) text += " " + moveText(line.moves[i]);
    return text;
}
