#include "position/checker.h"

#include <cstring>
#include <sstream>

#include "position/game_state.h"
#include "position/position_key.h"

namespace {

// The twelve line families as (row, col) -> count index functions, computed from the board alone.
struct Family {
    const char* name;
    int (*index)(int row, int col, int n);
};
const Family kFamilies[] = {
    {"row", [](int r, int, int) { return r - 1; }},
    {"col", [](int, int c, int) { return c - 1; }},
    {"diag", [](int r, int c, int n) { return r - c + n - 1; }},
    {"antiDiag", [](int r, int c, int) { return r + c - 2; }},
    {"2col-row", [](int r, int c, int n) { return 2 * c - r + n - 2; }},
    {"row+2col", [](int r, int c, int) { return r + 2 * c - 3; }},
    {"2row+col", [](int r, int c, int) { return 2 * r + c - 3; }},
    {"2row-col", [](int r, int c, int n) { return 2 * r - c + n - 2; }},
};

// The incremental tables of each family: both sides together (null where only per-side exists),
// then per side, with the number of lines in use and the family's projection (its occupancy mask).
struct Tables {
    const int32_t* both;
    const int32_t* side0;
    const int32_t* side1;
    int lines;
    Projection projection;
};

Tables tablesOf(int family, int n) {
    const GameState& g = game;
    switch (family) {
        case 0: return {g.rowCount, g.sideRowCount[0], g.sideRowCount[1], n, PROJ_ROWS};
        case 1: return {g.colCount, g.sideColCount[0], g.sideColCount[1], n, PROJ_COLS};
        case 2: return {g.diagCount, g.sideDiagCount[0], g.sideDiagCount[1], 2 * n - 1, PROJ_DIAGS};
        case 3:
            return {g.antiDiagCount, g.sideAntiDiagCount[0], g.sideAntiDiagCount[1], 2 * n - 1, PROJ_ANTI_DIAGS};
        case 4:
            return {nullptr, g.side2ColMinusRowCount[0], g.side2ColMinusRowCount[1], 3 * n - 2,
                    PROJ_2COL_MINUS_ROW};
        case 5:
            return {nullptr, g.sideRowPlus2ColCount[0], g.sideRowPlus2ColCount[1], 3 * n - 2, PROJ_ROW_PLUS_2COL};
        case 6:
            return {nullptr, g.side2RowPlusColCount[0], g.side2RowPlusColCount[1], 3 * n - 2, PROJ_2ROW_PLUS_COL};
        default:
            return {nullptr, g.side2RowMinusColCount[0], g.side2RowMinusColCount[1], 3 * n - 2,
                    PROJ_2ROW_MINUS_COL};
    }
}

bool onBoard(int row, int col, int n) { return row >= 1 && row <= n && col >= 1 && col <= n; }

// Number of pieces of both sides on the whole line through (row, col) along direction d.
int lineLength(int row, int col, int d, int n) {
    int count = 1;
    for (int sense : {1, -1}) {
        int r = row + sense * DirRowDelta[d], c = col + sense * DirColDelta[d];
        for (; onBoard(r, c, n); r += sense * DirRowDelta[d], c += sense * DirColDelta[d])
            if (game.board[r][c] > 0) ++count;
    }
    return count;
}

// The rule of movement, walked square by square: exactly lineLength squares, over own pieces but
// not enemy ones, landing on an empty square or an enemy piece inside the board.
void movesByRule(int row, int col, int n, uint32_t& moveDirs, uint32_t& captureDirs) {
    const int side = sideOfCode(game.board[row][col]);
    moveDirs = captureDirs = 0;
    for (int d = 0; d < 8; ++d) {
        const int k = lineLength(row, col, d, n);
        const int tr = row + k * DirRowDelta[d], tc = col + k * DirColDelta[d];
        if (!onBoard(tr, tc, n)) continue;
        bool blocked = false;
        for (int step = 1; step < k; ++step) {
            const int32_t c = game.board[row + step * DirRowDelta[d]][col + step * DirColDelta[d]];
            if (c > 0 && sideOfCode(c) != side) blocked = true;
        }
        const int32_t target = game.board[tr][tc];
        if (blocked || (target > 0 && sideOfCode(target) == side)) continue;
        moveDirs |= 1u << d;
        if (target > 0) captureDirs |= 1u << d;
    }
}

int bitCount(uint32_t v) { return __builtin_popcount(v); }

// Report keeps the first difference found. The description is built only when a check fails, so
// checking a sound position costs no string work.
class Report {
  public:
    bool failed() const { return !text_.empty(); }
    const std::string& text() const { return text_; }
    template <typename T, typename Describe>
    void expect(T incremental, T fromScratch, Describe describe) {
        if (failed() || incremental == fromScratch) return;
        std::ostringstream out;
        out << describe() << ": incremental " << incremental << ", from the board " << fromScratch;
        text_ = out.str();
    }

  private:
    std::string text_;
};

std::string at(const char* what, int a, int b = -1) {
    std::ostringstream out;
    out << what << " " << a;
    if (b >= 0) out << "," << b;
    return out.str();
}

// Labels the 8-connected groups of each side by flooding; returns the number per side and fills
// component[row][col] with a group number (-1 where no piece stands).
void floodGroups(int n, int component[BOARD_STRIDE][BOARD_STRIDE], int groups[2]) {
    groups[0] = groups[1] = 0;
    std::memset(component, -1, sizeof(int) * BOARD_STRIDE * BOARD_STRIDE);
    int stack[256];
    int next = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (game.board[r][c] <= 0 || component[r][c] >= 0) continue;
            const int side = sideOfCode(game.board[r][c]);
            ++groups[side];
            const int label = next++;
            int top = 0;
            component[r][c] = label;
            stack[top++] = boardIndex(r, c);
            while (top > 0) {
                const int cell = stack[--top];
                for (int d = 0; d < 8; ++d) {
                    const int nr = cell / BOARD_STRIDE + DirRowDelta[d], nc = cell % BOARD_STRIDE + DirColDelta[d];
                    if (!onBoard(nr, nc, n) || component[nr][nc] >= 0) continue;
                    if (game.board[nr][nc] <= 0 || sideOfCode(game.board[nr][nc]) != side) continue;
                    component[nr][nc] = label;
                    stack[top++] = boardIndex(nr, nc);
                }
            }
        }
}

void checkCells(Report& report, int n) {
    for (int r = 0; r <= n + 1; ++r)
        for (int c = 0; c <= n + 1; ++c) {
            const int32_t code = game.board[r][c];
            if (!onBoard(r, c, n)) {
                report.expect(code, BORDER_CELL, [&] { return at("border cell", r, c); });
                continue;
            }
            if (code == EMPTY_CELL) continue;
            const int id = code - PIECE_CODE_BASE;
            const bool validId = code >= PIECE_CODE_BASE && code < PIECE_CODE_BASE + MAX_PIECES &&
                                 id < game.nextPieceId[sideOfPiece(id)];
            report.expect(validId, true, [&] { return at("valid piece code on cell", r, c); });
            if (report.failed()) return;
            const PieceRecord& p = game.pieces[id];
            report.expect(p.row, r, [&] { return at("row of the piece on cell", r, c); });
            report.expect(p.col, c, [&] { return at("col of the piece on cell", r, c); });
            report.expect(p.onBoard, true, [&] { return at("onBoard of the piece on cell", r, c); });
        }
}

// The lines of every playing square: the count index of each of its eight lines from the index
// formulas, and for its row, diagonal, column and anti-diagonal the start cell and the place found
// by stepping back to the border, and the length by stepping on to the far border. The table only
// changes when a position is reset, so a table equal to the last one found sound is not walked
// again.
void checkSquareLines(Report& report, int n) {
    static SquareLines lastSound[BOARD_STRIDE * BOARD_STRIDE];
    static int lastSoundSize = 0;
    if (n == lastSoundSize && std::memcmp(lastSound, game.squareLines, sizeof lastSound) == 0) return;
    for (int r = 1; r <= n && !report.failed(); ++r)
        for (int c = 1; c <= n && !report.failed(); ++c) {
            const SquareLines& square = game.squareLines[boardIndex(r, c)];
            for (int f = 0; f < 8; ++f)
                report.expect(int{square.projection[tablesOf(f, n).projection]}, kFamilies[f].index(r, c, n),
                              [&] { return at("square lines of", r, c) + " " + kFamilies[f].name + " index"; });
            for (int k = 0; k < 4; ++k) {
                const int d = k + 3, dr = DirRowDelta[d], dc = DirColDelta[d];
                int place = 0, length = 0, row = r, col = c;
                for (; onBoard(row, col, n); row -= dr, col -= dc) ++place;
                const int start = boardIndex(row, col);
                for (row += dr, col += dc; onBoard(row, col, n); row += dr, col += dc) ++length;
                const auto name = [&] { return at("square lines of", r, c) + " direction " + std::to_string(d); };
                report.expect(int{square.start[k]}, start, [&] { return name() + " start"; });
                report.expect(int{square.place[k]}, place, [&] { return name() + " place"; });
                report.expect(int{square.length[k]}, length, [&] { return name() + " length"; });
            }
        }
    if (report.failed()) return;
    std::memcpy(lastSound, game.squareLines, sizeof lastSound);
    lastSoundSize = n;
}

// The move and capture masks of every piece on the board by the rule of movement, by board index:
// worked out once per check, for the pieces' records and for the line masks.
struct RuleMasks {
    uint32_t moves[BOARD_STRIDE * BOARD_STRIDE];
    uint32_t captures[BOARD_STRIDE * BOARD_STRIDE];
};

void movesOfEveryPiece(int n, RuleMasks& rule) {
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (game.board[r][c] > 0) movesByRule(r, c, n, rule.moves[boardIndex(r, c)], rule.captures[boardIndex(r, c)]);
}

void checkLineCounts(Report& report, int n) {
    for (int f = 0; f < 8; ++f) {
        const Tables t = tablesOf(f, n);
        int both[46] = {}, perSide[2][46] = {};
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                if (game.board[r][c] <= 0) continue;
                const int i = kFamilies[f].index(r, c, n);
                ++both[i];
                ++perSide[sideOfCode(game.board[r][c])][i];
            }
        const char* name = kFamilies[f].name;
        uint64_t occupied[2] = {0, 0};
        for (int i = 0; i < t.lines; ++i) {
            if (t.both) report.expect(t.both[i], both[i], [&] { return at(name, i) + " count"; });
            report.expect(t.side0[i], perSide[0][i], [&] { return at(name, i) + " count of side 0"; });
            report.expect(t.side1[i], perSide[1][i], [&] { return at(name, i) + " count of side 1"; });
            for (int side = 0; side < 2; ++side)
                if (perSide[side][i] > 0) occupied[side] |= uint64_t{1} << i;
        }
        for (int side = 0; side < 2; ++side) {
            report.expect(game.sideOccupiedLines[side][t.projection], occupied[side],
                          [&] { return std::string(name) + " occupied lines of side " + std::to_string(side); });
            for (int i = 0; i < 48; ++i)
                report.expect(int{game.sideLineBytes[side][t.projection][i]}, i < t.lines ? perSide[side][i] : 0,
                              [&] { return at(name, i) + " count byte of side " + std::to_string(side); });
        }
    }
}

// Each side's set of squares and its key, and the position key, from the board.
void checkSquareSets(Report& report, int n) {
    uint64_t squares[2][4] = {};
    uint64_t keys[2] = {0, 0};
    uint64_t positionKey = boardSizeKey(n);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (game.board[r][c] <= 0) continue;
            const int side = sideOfCode(game.board[r][c]), number = squareNumber(r, c);
            squares[side][number >> 6] |= uint64_t{1} << (number & 63);
            keys[side] ^= squareKey(number);
            positionKey ^= pieceSquareKey(side, number);
        }
    report.expect(game.positionKey, positionKey, [] { return std::string("position key"); });
    for (int side = 0; side < 2; ++side) {
        for (int w = 0; w < 4; ++w)
            report.expect(game.sideSquares[side][w], squares[side][w],
                          [&] { return at("square set of side", side) + " word " + std::to_string(w); });
        report.expect(game.sideSquaresKey[side], keys[side], [&] { return at("square set key of side", side); });
    }
}

void checkPieces(Report& report, const RuleMasks& rule) {
    int pieces[2] = {0, 0}, moves[2] = {0, 0}, captures[2] = {0, 0};
    for (int side = 0; side < 2; ++side)
        for (int id = 64 * side; id < game.nextPieceId[side]; ++id) {
            const PieceRecord& p = game.pieces[id];
            uint32_t moveDirs = 0, captureDirs = 0;
            if (p.onBoard) {
                ++pieces[side];
                report.expect(game.board[p.row][p.col], id + PIECE_CODE_BASE,
                              [&] { return at("square of piece", id); });
                if (report.failed()) return;
                moveDirs = rule.moves[boardIndex(p.row, p.col)];
                captureDirs = rule.captures[boardIndex(p.row, p.col)];
            }
            report.expect(p.moveDirs, moveDirs, [&] { return at("moveDirs of piece", id); });
            report.expect(p.captureDirs, captureDirs, [&] { return at("captureDirs of piece", id); });
            report.expect(p.moveCount, bitCount(moveDirs), [&] { return at("moveCount of piece", id); });
            report.expect(p.captureCount, bitCount(captureDirs), [&] { return at("captureCount of piece", id); });
            moves[side] += bitCount(moveDirs);
            captures[side] += bitCount(captureDirs);
        }
    for (int side = 0; side < 2; ++side) {
        report.expect(game.pieceCount[side], pieces[side], [&] { return at("pieceCount of side", side); });
        report.expect(game.sideMoveCount[side], moves[side], [&] { return at("sideMoveCount of side", side); });
        report.expect(game.sideCaptureCount[side], captures[side],
                      [&] { return at("sideCaptureCount of side", side); });
    }
}

// The line masks of the four families that pieces move along: each line is walked from its start
// cell (as in the index formulas of the line counts) to the far border, and every piece on it
// gives its bit in the pieces mask and its two direction bits of the family, taken from the rule
// of movement, in the move masks.
void checkLineBits(Report& report, int n, const RuleMasks& rule) {
    static const char* const familyName[4] = {"row", "diag", "col", "antiDiag"};
    for (int family = 0; family < 4; ++family) {
        const int d = family + 3;
        const int back = (d + 4) & 7;
        for (int i = 0; i < 31 && !report.failed(); ++i) {
            LineBits expected{};
            const int lines = family == 0 || family == 2 ? n : 2 * n - 1;
            if (i < lines) {
                int start = 0;
                switch (family) {
                    case 0: start = (i + 1) * BOARD_STRIDE; break;
                    case 1: start = i >= n - 1 ? (i - n + 1) * BOARD_STRIDE : n - 1 - i; break;
                    case 2: start = i + 1; break;
                    default: start = i + 2 <= n + 1 ? i + 2 : (i + 2 - n) * BOARD_STRIDE + n - 17; break;
                }
                int place = 1;
                for (int cell = start + DirectionOffsets[d]; boardCells()[cell] != BORDER_CELL;
                     cell += DirectionOffsets[d], ++place) {
                    const int32_t code = boardCells()[cell];
                    if (code <= 0) continue;
                    const int shift = place + 32 * sideOfCode(code);
                    expected.pieces |= uint64_t{1} << shift;
                    expected.forward |= uint64_t{(rule.moves[cell] >> d) & 1} << shift;
                    expected.forwardCaptures |= uint64_t{(rule.captures[cell] >> d) & 1} << shift;
                    expected.backward |= uint64_t{(rule.moves[cell] >> back) & 1} << shift;
                    expected.backwardCaptures |= uint64_t{(rule.captures[cell] >> back) & 1} << shift;
                }
            }
            const LineBits& line = game.lineBits[family][i];
            const auto name = [&](const char* what) { return at(familyName[family], i) + what; };
            report.expect(line.pieces, expected.pieces, [&] { return name(" line pieces"); });
            report.expect(line.forward, expected.forward, [&] { return name(" line forward moves"); });
            report.expect(line.forwardCaptures, expected.forwardCaptures,
                          [&] { return name(" line forward captures"); });
            report.expect(line.backward, expected.backward, [&] { return name(" line backward moves"); });
            report.expect(line.backwardCaptures, expected.backwardCaptures,
                          [&] { return name(" line backward captures"); });
        }
    }
}

// Each flooded group must carry one group id and one stamp, named after a member, and no two
// groups may share an id; the number of groups must match groupCount.
void checkGroups(Report& report, int n) {
    int component[BOARD_STRIDE][BOARD_STRIDE];
    int groups[2];
    floodGroups(n, component, groups);
    for (int side = 0; side < 2; ++side)
        report.expect(game.groupCount[side], groups[side], [&] { return at("groupCount of side", side); });
    int idOf[256], ownerOf[MAX_PIECES];
    int64_t stampOf[256];
    std::memset(idOf, -1, sizeof idOf);
    std::memset(ownerOf, -1, sizeof ownerOf);
    for (int r = 1; r <= n && !report.failed(); ++r)
        for (int c = 1; c <= n && !report.failed(); ++c) {
            if (game.board[r][c] <= 0) continue;
            const PieceRecord& p = game.pieces[game.board[r][c] - PIECE_CODE_BASE];
            const int label = component[r][c];
            if (idOf[label] < 0) {
                idOf[label] = p.group;
                stampOf[label] = p.stamp;
                const PieceRecord& namesake = game.pieces[p.group];
                const bool namesakeInGroup =
                    namesake.onBoard && component[namesake.row][namesake.col] == label &&
                    game.board[namesake.row][namesake.col] == p.group + PIECE_CODE_BASE;
                report.expect(namesakeInGroup, true, [&] { return at("namesake in the group of", r, c); });
                report.expect(ownerOf[p.group], -1, [&] { return at("group id used once, at", r, c); });
                ownerOf[p.group] = label;
                report.expect(p.stamp <= game.stampCounter, true,
                              [&] { return at("stamp not ahead of the counter, at", r, c); });
            }
            report.expect(p.group, idOf[label], [&] { return at("group id shared by the group, at", r, c); });
            report.expect(p.stamp, stampOf[label], [&] { return at("stamp shared by the group, at", r, c); });
        }
}

}  // namespace

std::string checkPosition() {
    Report report;
    const int n = game.boardSize;
    checkCells(report, n);
    if (!report.failed()) checkSquareLines(report, n);
    if (!report.failed()) checkLineCounts(report, n);
    if (!report.failed()) checkSquareSets(report, n);
    RuleMasks rule;
    if (!report.failed()) movesOfEveryPiece(n, rule);
    if (!report.failed()) checkPieces(report, rule);
    if (!report.failed()) checkLineBits(report, n, rule);
    if (!report.failed()) checkGroups(report, n);
    return report.text();
}
