#include "strong/move_picker.h"

#include <cstdlib>

#include "position/game_state.h"
#include "table/transposition.h"

namespace {

// Order values: the table's move above the killers, the killers above any history.
constexpr int32_t TABLE_MOVE_ORDER = 1 << 30;
constexpr int32_t FIRST_KILLER_ORDER = 1 << 29;
constexpr int32_t SECOND_KILLER_ORDER = 1 << 28;
// History values stay within +-HISTORY_LIMIT: each update moves a value part of the way to the limit.
constexpr int32_t HISTORY_LIMIT = 1 << 14;
// Weight of a square of progress toward the side's centre of mass, against the history.
constexpr int32_t CENTRE_WEIGHT = 64;

struct MoveOrderTables {
    uint16_t killers[STRONG_MAX_PLY][2];
    int32_t history[2][256][256];  // side, source square number, target square number
};

MoveOrderTables tables;

// updateHistory() moves a history value toward +-HISTORY_LIMIT by `bonus`, less the more it already is.
inline void updateHistory(int32_t& value, int32_t bonus) {
    value += bonus - value * std::abs(bonus) / HISTORY_LIMIT;
}

// The centre of mass of the side's pieces, as sums of rows and columns over `count` pieces.
struct Centre {
    int32_t rowSum = 0, colSum = 0, count = 0;
};

Centre centreOf(int side) {
    Centre c;
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (!p.onBoard) continue;
        c.rowSum += p.row;
        c.colSum += p.col;
        ++c.count;
    }
    return c;
}

// distanceTimesCount() is the king-move distance of (row, col) from the centre, times its count.
inline int32_t distanceTimesCount(const Centre& c, int row, int col) {
    const int32_t dr = std::abs(row * c.count - c.rowSum), dc = std::abs(col * c.count - c.colSum);
    return dr > dc ? dr : dc;
}

inline uint16_t killerOf(int ply, int k) { return tables.killers[ply][k]; }

}  // namespace

void clearMoveOrder() {
    for (auto& killers : tables.killers) killers[0] = killers[1] = NO_TABLE_MOVE;
    for (auto& side : tables.history)
        for (auto& from : side)
            for (int32_t& value : from) value = 0;
}

void ageMoveOrder() {
    for (auto& killers : tables.killers) killers[0] = killers[1] = NO_TABLE_MOVE;
    for (auto& side : tables.history)
        for (auto& from : side)
            for (int32_t& value : from) value /= 2;
}

int generateOrdered(OrderedMove* moves, uint16_t tableMove, int ply) {
    const int side = game.sideToMove;
    const Centre centre = centreOf(side);
    const uint16_t killer0 = killerOf(ply, 0), killer1 = killerOf(ply, 1);
    int count = 0;
    for (int id = side * 64; id < game.nextPieceId[side]; ++id) {
        const PieceRecord& p = game.pieces[id];
        if (p.moveDirs == 0) continue;  // also every captured piece
        const int32_t fromDistance = distanceTimesCount(centre, p.row, p.col);
        const int from = squareNumber(p.row, p.col);
        for (uint32_t dirs = p.moveDirs; dirs != 0; dirs &= dirs - 1) {
            const int d = __builtin_ctz(dirs);
            OrderedMove& o = moves[count++];
            o.piece = static_cast<uint8_t>(id);
            o.direction = static_cast<uint8_t>(d);
            o.key = static_cast<uint16_t>(from * 8 + d);
            if (o.key == tableMove) o.order = TABLE_MOVE_ORDER;
            else if (o.key == killer0) o.order = FIRST_KILLER_ORDER;
            else if (o.key == killer1) o.order = SECOND_KILLER_ORDER;
            else {
                const Move m = buildMove(id, d);  // only the ordinary moves need their target
                const int32_t progress = fromDistance - distanceTimesCount(centre, m.toRow, m.toCol);
                o.order = tables.history[side][from][squareNumber(m.toRow, m.toCol)] +
                          CENTRE_WEIGHT * progress / centre.count;
            }
        }
    }
    return count;
}

void pickNext(OrderedMove* moves, int count, int next) {
    int best = next;
    for (int i = next + 1; i < count; ++i)
        if (moves[i].order > moves[best].order) best = i;
    if (best != next) {
        const OrderedMove chosen = moves[best];
        moves[best] = moves[next];
        moves[next] = chosen;
    }
}

bool isKiller(const OrderedMove& m, int ply) { return m.key == killerOf(ply, 0) || m.key == killerOf(ply, 1); }

void rewardCutoff(const OrderedMove* moves, int cut, int depth, int ply) {
    const int side = game.sideToMove;
    const uint16_t key = moves[cut].key;
    if (tables.killers[ply][0] != key) {
        tables.killers[ply][1] = tables.killers[ply][0];
        tables.killers[ply][0] = key;
    }
    const int32_t bonus = depth * depth > 400 ? 400 : depth * depth;
    for (int i = 0; i <= cut; ++i) {
        const Move m = buildMove(moves[i].piece, moves[i].direction);
        int32_t& value = tables.history[side][squareNumber(m.fromRow, m.fromCol)][squareNumber(m.toRow, m.toCol)];
        updateHistory(value, i == cut ? bonus : -bonus);
    }
}

bool findMoveOfKey(uint16_t key, Move& m) {
    if (key == NO_TABLE_MOVE) return false;
    const int number = key >> 3, d = key & 7;
    const int row = number / MAX_BOARD_SIZE + 1, col = number % MAX_BOARD_SIZE + 1;
    if (row > game.boardSize || col > game.boardSize) return false;
    const int32_t code = game.board[row][col];
    if (code <= 0 || sideOfCode(code) != game.sideToMove) return false;
    const int id = code - PIECE_CODE_BASE;
    if ((game.pieces[id].moveDirs & (1u << d)) == 0) return false;
    m = buildMove(id, d);
    return true;
}
