// The board's squares under the mouse: their looks for entering, leaving and pressing, selecting a piece
// with exactly its targets offered, cancelling, and playing a move with two clicks.
#include <FL/Fl_Box.H>

#include <algorithm>
#include <random>

#include "position/checker.h"
#include "tests/ui/ui_fixture.h"

namespace {

using Squares = std::vector<std::pair<int, int>>;

// naiveTargets() finds the landing squares of the piece on (r, c) from the board alone: along each of the
// eight directions it moves exactly as many squares as the whole line holds pieces, stays on the board,
// jumps no enemy piece and lands on no own piece.
Squares naiveTargets(int r, int c) {
    const int n = game.boardSize, own = game.board[r][c] & 0xC0;
    auto onBoard = [n](int row, int col) { return row >= 1 && row <= n && col >= 1 && col <= n; };
    Squares targets;
    for (int d = 0; d < 8; ++d) {
        const int dr = DirRowDelta[d], dc = DirColDelta[d];
        int onLine = 1;
        for (int sign : {1, -1})
            for (int k = 1; onBoard(r + sign * k * dr, c + sign * k * dc); ++k)
                onLine += game.board[r + sign * k * dr][c + sign * k * dc] > 0;
        const int tr = r + onLine * dr, tc = c + onLine * dc;
        if (!onBoard(tr, tc) || (game.board[tr][tc] & 0xC0) == own) continue;
        bool jumpsEnemy = false;
        for (int k = 1; k < onLine; ++k) {
            const int cell = game.board[r + k * dr][c + k * dc];
            jumpsEnemy |= cell > 0 && (cell & 0xC0) != own;
        }
        if (!jumpsEnemy) targets.push_back({tr, tc});
    }
    return targets;
}

TEST_F(MainWindowTest, EnteringLeavingAndPressingChangeOnlyTheLook) {
    startGame(8, 3);
    Square_Button* b = squareButton[1][2];
    struct Step {
        int event;
        int raised, lit;
    };
    const Step steps[] = {{FL_ENTER, 1, 1}, {FL_LEAVE, 1, 0}, {FL_ENTER, 1, 1}, {FL_PUSH, 0, 1}};
    for (const Step& s : steps) {
        EXPECT_EQ(b->handle(s.event), 1);
        EXPECT_EQ(b->raised, s.raised);
        EXPECT_EQ(b->lit, s.lit);
        EXPECT_EQ(b->image(), squareImages[1][s.raised][0][s.lit]);
    }
    EXPECT_EQ(b->value(), 0);  // the plain push handling never ran
    EXPECT_EQ(pendingMove.fromRow, 0);
    EXPECT_EQ(shownSquares().size(), 12u);
}

TEST_F(MainWindowTest, AReleaseAfterThePointerLeftDoesNothing) {
    startGame(8, 3);
    Square_Button* b = squareButton[1][2];
    b->handle(FL_ENTER);
    b->handle(FL_PUSH);
    b->handle(FL_LEAVE);
    EXPECT_EQ(b->handle(FL_RELEASE), 1);
    EXPECT_EQ(pendingMove.fromRow, 0);
    EXPECT_EQ(b->raised, 1);
    EXPECT_EQ(b->image(), squareImages[1][1][0][0]);
    EXPECT_EQ(shownSquares().size(), 12u);
}

// Every piece of the side to move in a few positions, reached by random games on several boards: the
// selection display offers exactly the targets that the board allows, with only the selected square
// highlighted, and a second click on the piece brings back the normal display.
TEST_F(MainWindowTest, SelectingAPieceOffersExactlyItsTargets) {
    std::mt19937 random(20261210);
    const int games[][3] = {{8, 3, 6}, {5, 0, 4}, {10, 7, 12}, {16, 8, 20}};
    for (const auto& g : games) {
        startGame(g[0], g[1]);
        // Random moves that leave the game undecided, so that pieces stay clickable.
        for (int ply = 0; ply < g[2]; ++ply) {
            const std::vector<Move> moves = testing_support::legalMoves();
            commitMove(moves[random() % moves.size()]);
            if (testing_support::someSideConnected()) undoStep();
        }
        refreshBoard();
        const Squares pieces = shownSquares();
        ASSERT_FALSE(pieces.empty());
        for (const auto& [r, c] : pieces) {
            SCOPED_TRACE("size " + std::to_string(g[0]) + " piece " + std::to_string(r) + "," + std::to_string(c));
            click(r, c);
            ASSERT_EQ(pendingMove.fromRow, r);
            ASSERT_EQ(pendingMove.fromCol, c);
            EXPECT_EQ(pendingMove.piece, game.board[r][c] - 64);
            Squares expected = naiveTargets(r, c);
            expected.push_back({r, c});
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(shownSquares(), expected);
            for (int rr = 1; rr <= game.boardSize; ++rr)
                for (int cc = 1; cc <= game.boardSize; ++cc) {
                    const bool selected = rr == r && cc == c;
                    const Square_Button* b = squareButton[rr][cc];
                    if (b->visible()) {
                        EXPECT_EQ(b->image(), squareImages[contentOf(rr, cc)][1][selected][0]);
                    } else {
                        EXPECT_EQ(squareBox[rr][cc]->image(), squareImages[contentOf(rr, cc)][0][0][0]);
                    }
                }
            click(r, c);
            EXPECT_EQ(pendingMove.fromRow, 0);
            EXPECT_EQ(shownSquares(), pieces);
        }
    }
}

// A1 is walled in by enemy pieces on B1, A2 and B2, and H8 on G8, H7 and G7: side 0 has no legal move.
TEST_F(MainWindowTest, APieceWithoutMovesCanBeSelectedAndCancelled) {
    startPieces(8, {{1, 1}, {8, 8}}, {{1, 2}, {2, 1}, {2, 2}, {8, 7}, {7, 8}, {7, 7}});
    ASSERT_EQ(game.sideMoveCount[0], 0);
    ASSERT_EQ(shownSquares(), Squares({{1, 1}, {8, 8}}));
    click(1, 1);
    EXPECT_EQ(shownSquares(), Squares({{1, 1}}));
    EXPECT_EQ(squareButton[1][1]->image(), squareImages[1][1][1][0]);
    click(1, 1);
    EXPECT_EQ(shownSquares(), Squares({{1, 1}, {8, 8}}));
    EXPECT_EQ(gameHistory.historyLength, 0);
}

TEST_F(MainWindowTest, TwoClicksPlayAMoveAndACapture) {
    startGame(8, 3);
    click(1, 2);
    click(3, 2);
    ASSERT_EQ(gameHistory.historyLength, 1);
    const Move quiet = gameHistory.historyMoves[0];  // a copy: the history grows below
    EXPECT_EQ(quiet.fromRow * 1000 + quiet.fromCol * 100 + quiet.toRow * 10 + quiet.toCol, 1232);
    EXPECT_LT(quiet.captured, 0);
    EXPECT_EQ(game.sideToMove, 1);
    EXPECT_EQ(pendingMove.fromRow, 0);
    click(3, 1);  // A3, then C1: captures the piece on C1
    click(1, 3);
    ASSERT_EQ(gameHistory.historyLength, 2);
    const Move capture = gameHistory.historyMoves[1];
    EXPECT_EQ(capture.piece, game.board[1][3] - 64);
    EXPECT_EQ(game.board[1][3] / 64, 2);
    EXPECT_EQ(game.pieceCount[0], 11);
    EXPECT_FALSE(game.pieces[capture.captured].onBoard);
    EXPECT_EQ(sideOfPiece(capture.captured), 0);
    // A person's move carries no direction, distance or score.
    for (const Move* m : {&quiet, &capture}) {
        EXPECT_EQ(m->direction, 0);
        EXPECT_EQ(m->distance, 0);
        EXPECT_EQ(m->score, 0);
    }
    EXPECT_EQ(lastMove.toRow * 10 + lastMove.toCol, 13);
    EXPECT_EQ(squareBox[1][3]->image(), squareImages[2][0][1][0]);
    EXPECT_EQ(squareBox[3][1]->image(), squareImages[0][0][1][0]);
    EXPECT_EQ(shownSquares().size(), 11u);
    EXPECT_EQ(std::string(), checkPosition());
}

TEST_F(MainWindowTest, WhileThinkingTheSquaresIgnoreClicks) {
    startGame(8, 3);
    thinking = true;
    Square_Button* b = squareButton[1][2];
    b->handle(FL_ENTER);
    b->handle(FL_RELEASE);
    b->handle(FL_LEAVE);
    EXPECT_EQ(b->lit, 0);
    EXPECT_EQ(pendingMove.fromRow, 0);
    EXPECT_EQ(shownSquares().size(), 12u);
}

}  // namespace
