// The strong player's move ordering: the moves of the side to move, read from the move masks without
// making them, each with an order value from what the search has learnt: the table's move first, then
// the killer moves of the ply, then the rest by their history and by whether they bring the piece
// nearer its side's other pieces. A good order lets most nodes end after their first move or two.
#pragma once

#include <cstdint>

#include "position/move.h"

constexpr int STRONG_MAX_PLY = 128;  // deepest node of a strong search, counted from the root
constexpr int MAX_MOVES = 512;       // 64 pieces with 8 directions each

// moveKey() is how the table and the killers keep a move, independent of piece ids: squareNumber()
// of its source square times 8 plus its direction.
inline uint16_t moveKey(int fromRow, int fromCol, int direction) {
    return static_cast<uint16_t>(squareNumber(fromRow, fromCol) * 8 + direction);
}
inline uint16_t moveKey(const Move& m) { return moveKey(m.fromRow, m.fromCol, m.direction); }

struct OrderedMove {
    uint8_t piece;      // id of the moving piece
    uint8_t direction;  // 0..7
    uint16_t key;       // moveKey()
    int32_t order;      // the larger, the earlier the move is tried
};

// The learning tables

// clearMoveOrder() forgets the killers and the history: a search then orders as a fresh one does.
void clearMoveOrder();
// ageMoveOrder() halves the history at the start of a think, so that the last moves' lessons weigh
// less than the new ones.
void ageMoveOrder();
// rewardCutoff() teaches the tables that moves[cut] refuted the position at `ply` searched to `depth`:
// it becomes the ply's first killer, its history rises, and that of the moves tried before it falls.
void rewardCutoff(const OrderedMove* moves, int cut, int depth, int ply);

// Generating and picking

// generateOrdered() writes every legal move of the side to move into `moves` with its order value and
// returns their number. `tableMove` (a moveKey() or NO_TABLE_MOVE) comes first when it is among them.
int generateOrdered(OrderedMove* moves, uint16_t tableMove, int ply);

// pickNext() brings the move of the highest order among moves[next .. count - 1] to moves[next]:
// the moves are sorted only as far as the search takes them.
void pickNext(OrderedMove* moves, int count, int next);

// isKiller() tells whether the move is one of the ply's killer moves.
bool isKiller(const OrderedMove& m, int ply);

// findMoveOfKey() is the legal move of the side to move that `key` stands for: the piece of the side
// to move on its source square, with a legal move in its direction. Returns false when there is none,
// so that a move from the table or a killer of another position is never played where it is illegal.
bool findMoveOfKey(uint16_t key, Move& m);
