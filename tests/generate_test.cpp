// Move generation: the moves listed, their fields and scores, the first-move restriction, and the
// position left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "moves/evaluate.h"
#include "moves/generate.h"
#include "position/checker.h"
#include "position/game_state.h"
#include "position/move.h"
#include "position/pieces.h"
#include "position/setups.h"

#include "test_support.h"

namespace {

using testing_support::Placed;
using testing_support::setUpBoard;

std::vector<Move> generateAll() {
    MoveList list;
    generateMoves(list);
    std::vector<Move> moves;
    while (!isEmpty(list)) moves.push_back(popMove(list));
    return moves;
}

template <typename T, size_t N>
bool sameArray(const T (&a)[N], const T (&b)[N]) {
    return std::memcmp(a, b, sizeof a) == 0;
}

// firstDifference() names the first field in which two states differ, leaving out what a move
// made and taken back may change (group ids, stamps, weights, the stamp counter, the per-side
// change counts and the connection distances kept by them) and the evaluation's own counter and
// scratch values.
std::string firstDifference(const GameState& a, const GameState& b) {
#define COMPARE_FIELD(field) \
    if (!(a.field == b.field)) return #field;
#define COMPARE_ARRAY(field) \
    if (!sameArray(a.field, b.field)) return #field;
    COMPARE_FIELD(boardSize)
    COMPARE_FIELD(sideToMove)
    COMPARE_ARRAY(board)
    COMPARE_ARRAY(pieceCount)
    COMPARE_ARRAY(sideMoveCount)
    COMPARE_ARRAY(sideCaptureCount)
    COMPARE_ARRAY(colCount)
    COMPARE_ARRAY(antiDiagCount)
    COMPARE_ARRAY(rowCount)
    COMPARE_ARRAY(diagCount)
    COMPARE_ARRAY(side2ColMinusRowCount)
    COMPARE_ARRAY(sideColCount)
    COMPARE_ARRAY(sideRowPlus2ColCount)
    COMPARE_ARRAY(sideAntiDiagCount)
    COMPARE_ARRAY(side2RowPlusColCount)
    COMPARE_ARRAY(sideRowCount)
    COMPARE_ARRAY(side2RowMinusColCount)
    COMPARE_ARRAY(sideDiagCount)
    COMPARE_ARRAY(sideOccupiedLines)
    COMPARE_ARRAY(sideLineBytes)
    COMPARE_ARRAY(squareLines)
    COMPARE_ARRAY(nextPieceId)
    COMPARE_ARRAY(groupCount)
    COMPARE_FIELD(searchPly)
    COMPARE_FIELD(remainingDepth)
    COMPARE_FIELD(historyPosition)
#undef COMPARE_FIELD
#undef COMPARE_ARRAY
    if (std::memcmp(a.lineBits, b.lineBits, sizeof a.lineBits) != 0) return "lineBits";
    for (int id = 0; id < MAX_PIECES; ++id) {
        const PieceRecord& p = a.pieces[id];
        const PieceRecord& q = b.pieces[id];
        if (p.row != q.row || p.col != q.col || p.onBoard != q.onBoard ||
            p.moveCount != q.moveCount || p.captureCount != q.captureCount ||
            p.moveDirs != q.moveDirs || p.captureDirs != q.captureDirs)
            return "piece " + std::to_string(id);
    }
    return "";
}

// N = 4. Side 0: (1,1) id 0 and (1,4) id 1, two groups. Side 1: (3,1) id 64 and (3,3) id 65, two
// groups. Side 0's six moves, by the rule of movement worked by hand, with remaining depth 2:
//   id 0 right 2 to (1,3): joins (1,4), side 0 connected          -> WIN_SCORE + 1024 + 2
//   id 0 down-right 2 takes 65: side 1 left with one piece         -> -(WIN_SCORE + 1024 + 2)
//   id 0 down 2 takes 64: likewise                                  -> -(WIN_SCORE + 1024 + 2)
//   id 1 down 1 to (2,4), id 1 down-left 1 to (2,3): undecided
//   id 1 left 2 to (1,2): joins (1,1), side 0 connected            -> WIN_SCORE + 1024 + 2
const std::vector<Placed> captureFixture = {{1, 1, 0}, {1, 4, 0}, {3, 1, 1}, {3, 3, 1}};

struct ExpectedMove {
    int piece, direction, toRow, toCol, distance, captured;
    int32_t score;  // 0: undecided, checked by magnitude only
};

TEST(GenerateMoves, FieldsAndScoresOfEveryMoveInAWorkedPosition) {
    setUpBoard(4, captureFixture);
    game.historyPosition = 1;
    game.remainingDepth = 2;
    const int32_t win = WIN_SCORE + 1024 + 2;
    const ExpectedMove expected[] = {
        {0, 3, 1, 3, 2, -64, win}, {0, 4, 3, 3, 2, 65, -win}, {0, 5, 3, 1, 2, 64, -win},
        {1, 5, 2, 4, 1, -64, 0},   {1, 6, 2, 3, 1, -64, 0},  {1, 7, 1, 2, 2, -64, win},
    };
    const std::vector<Move> moves = generateAll();
    ASSERT_EQ(moves.size(), 6u);
    for (const ExpectedMove& e : expected) {
        const auto it = std::find_if(moves.begin(), moves.end(), [&](const Move& m) {
            return m.piece == e.piece && m.direction == e.direction;
        });
        ASSERT_NE(it, moves.end()) << "piece " << e.piece << " direction " << e.direction;
        EXPECT_EQ(it->fromRow, game.pieces[e.piece].row);
        EXPECT_EQ(it->fromCol, game.pieces[e.piece].col);
        EXPECT_EQ(it->toRow, e.toRow);
        EXPECT_EQ(it->toCol, e.toCol);
        EXPECT_EQ(it->distance, e.distance);
        EXPECT_EQ(it->captured, e.captured);
        if (e.score != 0) {
            EXPECT_EQ(it->score, e.score) << "piece " << e.piece << " direction " << e.direction;
        } else {
            EXPECT_LT(it->score < 0 ? -it->score : it->score, 1073741824);
        }
    }
    // Best first: the two wins, then the two undecided moves, then the two captures that lose.
    EXPECT_EQ(moves[0].score, win);
    EXPECT_EQ(moves[1].score, win);
    EXPECT_GE(moves[2].score, moves[3].score);
    EXPECT_EQ(moves[4].score, -win);
    EXPECT_EQ(moves[5].score, -win);
}

// The undecided scores rate the position for the mover: equal to the evaluation with the mover's
// opponent to move, made from outside the generator.
TEST(GenerateMoves, ScoresAreTheEvaluationForTheMover) {
    startPosition(8, 5);
    game.historyPosition = 1;
    for (const Move& m : generateAll()) {
        makeMove(m);
        game.sideToMove = 1;
        const int32_t score = evaluate();
        game.sideToMove = 0;
        unmakeMove(m);
        EXPECT_EQ(m.score, score) << "piece " << m.piece << " direction " << m.direction;
    }
}

TEST(GenerateMoves, StandardPositionHas36MovesPerSide) {
    for (int side : {0, 1}) {
        startPosition(8, 3);
        game.historyPosition = 1;
        game.sideToMove = side;
        const std::vector<Move> moves = generateAll();
        EXPECT_EQ(moves.size(), 36u) << "side " << side;
        std::set<std::pair<int, int>> distinct;
        for (const Move& m : moves) {
            EXPECT_EQ(m.piece >> 6, side);
            distinct.insert({m.piece, m.direction});
        }
        EXPECT_EQ(distinct.size(), moves.size());
    }
}

struct FirstMoveCase {
    int size, setup;
    int lastRow, lastCol;  // the quarter that the first move of a game may start from
};

// The game's first root list holds exactly the moves of the full list that start in the quarter
// rows 1..lastRow, columns 1..lastCol; inside a search (searchPly 1) the list is full again.
TEST(GenerateMoves, FirstMoveOfTheGameStartsInTheUpperLeftQuarter) {
    // Setup 4 (split A) has side-0 pieces on row (N + 1) / 2 of column 1 and on column (N + 1) / 2
    // of row 1, right at both bounds.
    const FirstMoveCase cases[] = {{8, 3, 3, 4}, {8, 4, 3, 4}, {7, 4, 3, 4}, {4, 3, 1, 2}, {9, 7, 4, 5}};
    for (const FirstMoveCase& c : cases) {
        startPosition(c.size, c.setup);
        game.historyPosition = 1;
        std::vector<std::pair<int, int>> expected;
        for (const Move& m : generateAll()) {
            if (m.fromRow <= c.lastRow && m.fromCol <= c.lastCol) expected.push_back({m.piece, m.direction});
        }
        game.historyPosition = 0;
        game.searchPly = 0;
        std::vector<std::pair<int, int>> restricted;
        for (const Move& m : generateAll()) restricted.push_back({m.piece, m.direction});
        std::sort(expected.begin(), expected.end());
        std::sort(restricted.begin(), restricted.end());
        EXPECT_FALSE(restricted.empty()) << "size " << c.size;
        EXPECT_EQ(restricted, expected) << "size " << c.size;

        game.searchPly = 1;
        game.historyPosition = 1;
        const size_t full = generateAll().size();
        game.historyPosition = 0;
        EXPECT_EQ(generateAll().size(), full) << "size " << c.size << " inside a search";
        EXPECT_GT(full, restricted.size());
    }
}

TEST(GenerateMoves, SideWhosePiecesAreAllCapturedHasNoMove) {
    setUpBoard(4, {{1, 1, 0}, {1, 3, 1}, {4, 4, 1}});
    game.historyPosition = 1;
    game.sideToMove = 1;
    const Move capture = buildMove(64, 7);  // id 64 on (1,3) moves left two squares onto (1,1)
    ASSERT_EQ(capture.captured, 0);
    makeMove(capture);
    game.sideToMove = 0;
    EXPECT_TRUE(generateAll().empty());
}

// Random games over sizes and setups: after every generation the position equals the one before
// (captures included) and the incremental tables still agree with the board.
TEST(GenerateMoves, LeavesThePositionAsItFoundIt) {
    std::mt19937 rng(99);
    int captures = 0, lists = 0;
    for (int size : {4, 5, 8, 11, 16}) {
        for (int setup = 0; setup <= 8; setup += 2) {
            startPosition(size, setup);
            game.historyPosition = 1;
            game.remainingDepth = 3;
            for (int ply = 0; ply < 40; ++ply) {
                const GameState before = game;
                MoveList list;
                generateMoves(list);
                ++lists;
                ASSERT_EQ(firstDifference(before, game), "")
                    << "size " << size << " setup " << setup << " ply " << ply;
                ASSERT_EQ(checkPosition(), "");
                if (isEmpty(list)) break;
                for (const Move& m : list.heap) captures += m.captured >= 0;
                makeMove(list.heap[rng() % list.heap.size()]);
                game.sideToMove ^= 1;
            }
        }
    }
    EXPECT_GT(captures, 100);
    EXPECT_GT(lists, 500);
}

}  // namespace
