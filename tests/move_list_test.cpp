// MoveList: the heap's exact order for equal scores and its max-first order under mixed use.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "moves/move_list.h"

namespace {

Move taggedMove(int tag, int score) {
    Move m{};
    m.piece = tag;
    m.score = score;
    return m;
}

// Pushes (tag, score) = (0,3) (1,5) (2,5) (3,3) (4,5) (5,1) (6,5) and pops everything. Worked by
// hand through the push and pop rules:
//   after the pushes the array is tags [1 4 2 3 0 5 6]
//   pop 1: hole takes right child 2, then the lone child 5; 6 sifts up to index 2 -> [2 4 6 3 0 5]
//   pop 2: hole takes right child 6; 5 stays at index 2                            -> [6 4 5 3 0]
//   pop 6: right child (score 1) is less than left, hole takes 4, then lone 3; 0 stays -> [4 3 5 0]
//   pop 4: right child (score 1) is less, hole takes 3; 0 fills index 1           -> [3 0 5]
//   pop 3: lone child 0 moves up; 5 fills index 1                                 -> [0 5]
//   pop 0, pop 5.
// Equal scores come out neither in push order nor reversed: 1 2 6 4 and then 3 0.
TEST(MoveList, EqualScoresComeOutInTheHeapsFixedOrder) {
    const int scores[] = {3, 5, 5, 3, 5, 1, 5};
    MoveList list;
    for (int tag = 0; tag < 7; ++tag) pushMove(list, taggedMove(tag, scores[tag]));

    const int expectedAfterPushes[] = {1, 4, 2, 3, 0, 5, 6};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(list.heap[i].piece, expectedAfterPushes[i]) << "index " << i;

    std::vector<int> popped;
    while (!isEmpty(list)) {
        const int top = topMove(list).piece;
        const Move m = popMove(list);
        EXPECT_EQ(m.piece, top);
        popped.push_back(m.piece);
    }
    EXPECT_EQ(popped, (std::vector<int>{1, 2, 6, 4, 3, 0, 5}));
}

// Random pushes and pops with many ties: every pop returns a move of the largest score present and
// no move is lost or duplicated.
TEST(MoveList, PopsTheLargestScoreUnderMixedPushesAndPops) {
    std::mt19937 rng(12345);
    MoveList list;
    std::vector<int> present;  // tags currently in the list
    std::vector<int> scoreOf;
    for (int step = 0; step < 20000; ++step) {
        if (present.empty() || rng() % 3 != 0) {
            const int tag = static_cast<int>(scoreOf.size());
            scoreOf.push_back(static_cast<int>(rng() % 7) - 3);
            pushMove(list, taggedMove(tag, scoreOf[tag]));
            present.push_back(tag);
        } else {
            int best = scoreOf[present[0]];
            for (int tag : present) best = std::max(best, scoreOf[tag]);
            const Move m = popMove(list);
            ASSERT_EQ(m.score, best) << "step " << step;
            const auto it = std::find(present.begin(), present.end(), m.piece);
            ASSERT_NE(it, present.end()) << "popped a move twice or one never pushed";
            present.erase(it);
        }
        ASSERT_EQ(list.heap.size(), present.size());
    }
}

}  // namespace
