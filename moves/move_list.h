// MoveList: a priority queue of moves by score, a binary max-heap in a growable array. Its exact
// push and pop fix the order in which moves of equal score come out.
#pragma once

#include <vector>

#include "position/move.h"

struct MoveList {
    std::vector<Move> heap;  // index 0 is the top
};

void pushMove(MoveList& list, const Move& m);
Move popMove(MoveList& list);  // requires a non-empty list
inline bool isEmpty(const MoveList& list) { return list.heap.empty(); }
inline const Move& topMove(const MoveList& list) { return list.heap.front(); }
