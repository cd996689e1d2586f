#include "moves/move_list.h"

#include <cstddef>

// pushMove() appends m and sifts it up past every parent whose score is strictly lower, so a move
// never overtakes an equal one that is already above it.
void pushMove(MoveList& list, const Move& m) {
    std::vector<Move>& heap = list.heap;
    heap.push_back(m);
    std::size_t hole = heap.size() - 1;
    while (hole > 0) {
        const std::size_t parent = (hole - 1) / 2;
        if (!(heap[parent].score < m.score)) break;
        heap[hole] = heap[parent];
        hole = parent;
    }
    heap[hole] = m;
}

// popMove() takes the top move. The hole it leaves walks down to a leaf, always following the
// right child unless that one scores strictly less than the left; the former last move is then
// sifted up from there as in a push. This fixed walk decides the order of equal scores.
Move popMove(MoveList& list) {
    std::vector<Move>& heap = list.heap;
    const Move top = heap.front();
    const Move last = heap.back();
    heap.pop_back();
    const std::size_t size = heap.size();
    if (size == 0) return top;

    std::size_t hole = 0;
    while (2 * hole + 2 < size) {
        std::size_t child = 2 * hole + 2;
        if (heap[child].score < heap[child - 1].score) --child;
        heap[hole] = heap[child];
        hole = child;
    }
    if (2 * hole + 2 == size) {  // a lone left child at the bottom
        heap[hole] = heap[2 * hole + 1];
        hole = 2 * hole + 1;
    }
    while (hole > 0) {
        const std::size_t parent = (hole - 1) / 2;
        if (!(heap[parent].score < last.score)) break;
        heap[hole] = heap[parent];
        hole = parent;
    }
    heap[hole] = last;
    return top;
}
