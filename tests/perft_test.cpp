// Move counts: the incremental move masks against a naive generator that walks the rule of
// movement on a plain copy of the board.
#include <gtest/gtest.h>

#include <array>

#include "position/perft.h"
#include "test_support.h"

namespace {

using namespace testing_support;

using Board = std::array<std::array<int, BOARD_STRIDE>, BOARD_STRIDE>;  // 0 empty, 1 side 0, 2 side 1

bool inside(int r, int c, int n) { return r >= 1 && r <= n && c >= 1 && c <= n; }

uint64_t naivePerft(Board& b, int n, int side, int depth) {
    if (depth == 0) return 1;
    uint64_t total = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (b[r][c] != side + 1) continue;
            for (int d = 0; d < 8; ++d) {
                const int dr = DirRowDelta[d], dc = DirColDelta[d];
                int k = 1;  // pieces on the whole line, this one included
                for (int s : {1, -1})
                    for (int rr = r + s * dr, cc = c + s * dc; inside(rr, cc, n); rr += s * dr, cc += s * dc)
                        k += b[rr][cc] != 0;
                const int tr = r + k * dr, tc = c + k * dc;
                if (!inside(tr, tc, n) || b[tr][tc] == side + 1) continue;
                bool blocked = false;
                for (int step = 1; step < k; ++step)
                    blocked |= b[r + step * dr][c + step * dc] == 2 - side;
                if (blocked) continue;
                const int saved = b[tr][tc];
                b[tr][tc] = side + 1;
                b[r][c] = 0;
                total += naivePerft(b, n, 1 - side, depth - 1);
                b[r][c] = side + 1;
                b[tr][tc] = saved;
            }
        }
    return total;
}

uint64_t naivePerftOfGame(int depth) {
    Board b{};
    for (int r = 1; r <= game.boardSize; ++r)
        for (int c = 1; c <= game.boardSize; ++c)
            b[r][c] = game.board[r][c] > 0 ? 1 + sideOfCode(game.board[r][c]) : 0;
    return naivePerft(b, game.boardSize, game.sideToMove, depth);
}

TEST(Perft, StandardPositionCounts) {
    ASSERT_EQ(setUpGame(8, 3), "");
    const uint64_t expected[] = {1, 36, 1244, 44952};
    for (int depth = 0; depth <= 3; ++depth) {
        EXPECT_EQ(perft(depth), expected[depth]) << depth;
        EXPECT_EQ(naivePerftOfGame(depth), expected[depth]) << depth;
    }
}

// Every size and setup, and a middle-game position of each reached by random moves with captures.
TEST(Perft, IncrementalMasksMatchTheNaiveRule) {
    for (int size = 4; size <= 16; ++size)
        for (int setup = 0; setup <= 8; ++setup) {
            const int depth = size <= 9 ? 3 : 2;
            ASSERT_EQ(setUpGame(size, setup), "");
            EXPECT_EQ(perft(depth), naivePerftOfGame(depth)) << size << "/" << setup;
            std::mt19937 random(size * 31 + setup);
            for (int ply = 0; ply < 3 * size; ++ply) {
                const std::vector<Move> moves = legalMoves();
                if (moves.empty()) break;
                commitMove(moves[random() % moves.size()]);
            }
            EXPECT_EQ(perft(depth), naivePerftOfGame(depth)) << size << "/" << setup << " middle game";
        }
}

}  // namespace
