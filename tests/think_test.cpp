// The think driver, with the toolkit replaced by a fake clock: one "second" passes each time the
// driver or the evaluation lets events run, and the one-shot time-out fires when its second has
// come. The fake records every hook call, so the tests see the progress texts and the balance of
// arming and cancelling, showing and hiding.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "moves/evaluate.h"
#include "moves/generate.h"
#include "moves/move_list.h"
#include "position/game_state.h"
#include "position/pieces.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "search/search.h"
#include "search/think.h"
#include "test_support.h"

using testing_support::diffPositions;
using testing_support::Game;
using testing_support::MAX_SCORE;
using testing_support::sameMove;
using testing_support::setUpGame;

namespace {

struct FakeToolkit {
    long now = 0;               // seconds, one per processEvents
    long deadline = -1;         // second at which the armed time-out fires; -1 when none is armed
    int fireAtExploring = 0;    // fire the time-out while root move text number k is up (1-based)
    bool firedInsideSearch = false;
    std::vector<std::string> calls;  // "arm", "cancel", "show", "hide", "events"
    std::vector<std::string> exploring, atDepth;
    double armedSeconds = 0;
};
FakeToolkit fake;

void fakeProcessEvents() {
    fake.calls.push_back("events");
    ++fake.now;
    if (fake.deadline >= 0 && fake.now >= fake.deadline) {
        fake.deadline = -1;
        // The evaluation lets events run only on a multiple of 65536 evaluations.
        fake.firedInsideSearch = game.evaluationCount % 65536 == 0;
        onThinkTimeout();
    }
}
void fakeArm(double seconds) {
    fake.calls.push_back("arm");
    fake.armedSeconds = seconds;
    fake.deadline = fake.now + static_cast<long>(seconds);
}
void fakeCancel() {
    fake.calls.push_back("cancel");
    fake.deadline = -1;
}
void fakeShow() { fake.calls.push_back("show"); }
void fakeHide() { fake.calls.push_back("hide"); }
void fakeExploring(const char* text) {
    fake.exploring.push_back(text);
    if (static_cast<int>(fake.exploring.size()) == fake.fireAtExploring && fake.deadline >= 0) {
        // A slow root move: the time-out comes due while it is being searched.
        fake.deadline = -1;
        onThinkTimeout();
    }
}
void fakeAtDepth(const char* text) { fake.atDepth.push_back(text); }

const Game middleGame = {8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}};

// startThink() sets up a game and the limits of the side to move, with the fake toolkit.
void startThink(const Game& g, int depthLimit, double timeLimit) {
    ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
    fake = FakeToolkit{};
    toolkit = {fakeProcessEvents, fakeArm, fakeCancel, fakeShow, fakeHide, fakeExploring, fakeAtDepth};
    searchState = SearchState{};
    searchState.depthLimit[game.sideToMove] = depthLimit;
    searchState.timeLimit[game.sideToMove] = timeLimit;
}

// thinkChecked() runs think and checks that the position came back unchanged.
bool thinkChecked() {
    const GameState saved = game;
    const bool found = think();
    GameState restored = game;
    restored.searchPly = saved.searchPly;
    restored.remainingDepth = saved.remainingDepth;
    EXPECT_EQ(diffPositions(saved, restored), "");
    return found;
}

int count(const std::string& call) {
    int n = 0;
    for (const std::string& c : fake.calls) n += c == call;
    return n;
}

// The timed mode arms once and shows once at its start, cancels and hides once at its end.
void expectTimedFrame() {
    ASSERT_GE(fake.calls.size(), 4u);
    EXPECT_EQ(fake.calls[0], "arm");
    EXPECT_EQ(fake.calls[1], "show");
    EXPECT_EQ(fake.calls[fake.calls.size() - 2], "cancel");
    EXPECT_EQ(fake.calls.back(), "hide");
    EXPECT_EQ(count("arm"), 1);
    EXPECT_EQ(count("cancel"), 1);
    EXPECT_EQ(count("show"), 1);
    EXPECT_EQ(count("hide"), 1);
}

// staticRootMoves() is the root queue as the timed mode builds it.
MoveList staticRootMoves() {
    MoveList list;
    game.searchPly = 0;
    generateMoves(list);
    return list;
}

TEST(ThinkText, ProgressTextNamesTheMoveNumberAndBothSquares) {
    struct Case {
        int n, fromRow, fromCol, toRow, toCol, captured;
        const char* text;
    };
    const Case cases[] = {
        {3, 1, 2, 3, 2, NO_PIECE, " 3: B1-B3"},
        {12, 10, 3, 12, 5, 70, "12: C10xE12"},
        {9, 16, 16, 15, 16, 0, " 9: P16xP15"},
        {10, 4, 1, 4, 16, NO_PIECE, "10: A4-P4"},
    };
    for (const Case& c : cases) {
        const Move m = {c.fromRow, c.fromCol, c.toRow, c.toCol, 5, 0, 1, c.captured, 0};
        char text[16];
        formatProgress(text, c.n, m);
        EXPECT_EQ(std::string(text), c.text);
    }
}

TEST(ThinkText, PenaltySaturatesAtNoScoreInsteadOfWrapping) {
    struct Case {
        int32_t score, penalised;
    };
    const Case cases[] = {
        {1000, 1000 - UNSEARCHED_PENALTY},
        {-WIN_SCORE, -WIN_SCORE - UNSEARCHED_PENALTY},
        {NO_SCORE + UNSEARCHED_PENALTY, NO_SCORE},
        {NO_SCORE + UNSEARCHED_PENALTY - 1, NO_SCORE},
        {NO_SCORE, NO_SCORE},
        {MAX_SCORE, MAX_SCORE - UNSEARCHED_PENALTY},
    };
    for (const Case& c : cases) EXPECT_EQ(penalizeUnsearched(c.score), c.penalised) << c.score;
}

TEST(ThinkFixedDepth, DepthSevenFingerprintShowsNothingAndArmsNothing) {
    for (int run = 0; run < 2; ++run) {
        startThink(middleGame, 7, 0);
        ASSERT_EQ(game.historyPosition, 4);
        game.evaluationCount = 12345;  // think counts from zero
        EXPECT_TRUE(thinkChecked());
        EXPECT_EQ(moveText(searchState.bestMove), "C1xC4");
        EXPECT_EQ(searchState.bestMove.score, 7695);
        EXPECT_EQ(game.evaluationCount, 424649u);
        // Events run only inside the evaluation; nothing is armed or shown.
        EXPECT_EQ(count("events"), static_cast<int>(fake.calls.size()));
        EXPECT_EQ(count("events"), 424649 / 65536);
        EXPECT_TRUE(fake.exploring.empty());
        EXPECT_EQ(game.searchPly, 0);
        EXPECT_EQ(game.remainingDepth, 7);
    }
}

TEST(ThinkFixedDepth, DepthLimitBelowOneSearchesOnePly) {
    startThink(middleGame, 1, 0);
    ASSERT_TRUE(thinkChecked());
    const Move onePly = searchState.bestMove;
    const uint32_t evaluations = game.evaluationCount;
    for (int limit : {0, -3}) {
        startThink(middleGame, limit, 0);
        EXPECT_TRUE(thinkChecked()) << limit;
        EXPECT_TRUE(sameMove(searchState.bestMove, onePly)) << limit;
        EXPECT_EQ(searchState.bestMove.score, onePly.score) << limit;
        EXPECT_EQ(game.evaluationCount, evaluations) << limit;
        EXPECT_EQ(game.remainingDepth, 1) << limit;
    }
}

// After C1xE3 A3xC5 E3xC5 on the 5 x 5 board with setup 6, side 1 has no legal move.
const Game stalemated = {5, 6, {"C1xE3", "A3xC5", "E3xC5"}};

TEST(ThinkNoMove, SideWithoutMovesGetsNoMoveInBothModes) {
    for (double timeLimit : {0.0, 5.0}) {
        startThink(stalemated, 7, timeLimit);
        ASSERT_EQ(game.sideMoveCount[game.sideToMove], 0);
        searchState.bestMove = Move{1, 1, 2, 2, 5, 3, 1, NO_PIECE, 77};  // a stale choice
        EXPECT_FALSE(thinkChecked()) << timeLimit;
        EXPECT_TRUE(isNoMove(searchState.bestMove)) << timeLimit;
        EXPECT_EQ(searchState.bestMove.fromRow, 0);
        EXPECT_EQ(searchState.bestMove.fromCol, 0);
        EXPECT_TRUE(fake.exploring.empty());
        if (timeLimit > 0) {
            expectTimedFrame();
        } else {
            EXPECT_TRUE(fake.calls.empty());
        }
    }
}

// On this 4 x 4 board side 1 has two moves, and after either of them side 0 has a reply that
// leaves side 1 without a move: at depth 3 every root move is worth NO_SCORE.
void setUpEveryMoveLosesItsReplies() {
    clearGameState();
    game.boardSize = 4;
    resetPosition();
    startHistory();
    struct Placed {
        int side;
        const char* square;
    };
    const Placed pieces[] = {{1, "B1"}, {1, "B3"}, {1, "D3"}, {0, "A4"}, {0, "C4"},
                             {0, "B2"}, {0, "C2"}, {0, "D1"}, {0, "D2"}};
    for (const Placed& p : pieces) newPiece(p.square[1] - '0', p.square[0] - '@', p.side);
    game.sideToMove = 1;
    game.historyPosition = 1;  // not the game's first move: no opening restriction
}

TEST(ThinkNoMove, RootWhoseEveryMoveScoresNoScoreStillPlaysALegalMove) {
    for (double timeLimit : {0.0, 5.0}) {
        setUpEveryMoveLosesItsReplies();
        fake = FakeToolkit{};
        toolkit = {fakeProcessEvents, fakeArm, fakeCancel, fakeShow, fakeHide, fakeExploring, fakeAtDepth};
        searchState = SearchState{};
        searchState.depthLimit[1] = 3;
        searchState.timeLimit[1] = timeLimit;
        const std::vector<Move> moves = testing_support::legalMoves();
        ASSERT_EQ(moves.size(), 2u);
        searchState.bestMove = Move{1, 1, 2, 2, 5, 3, 1, NO_PIECE, 77};  // a stale choice
        EXPECT_TRUE(thinkChecked()) << timeLimit;
        bool legal = false;
        for (const Move& m : moves) legal |= sameMove(m, searchState.bestMove);
        EXPECT_TRUE(legal) << timeLimit << ": " << moveText(searchState.bestMove);
        if (timeLimit == 0) {
            EXPECT_EQ(searchState.bestMove.score, NO_SCORE);
        }
    }
}

TEST(ThinkTimed, DepthLimitTwoPlaysTheBestStaticMoveWithoutSearching) {
    startThink(middleGame, 2, 5);
    const MoveList roots = staticRootMoves();
    EXPECT_TRUE(thinkChecked());
    EXPECT_TRUE(sameMove(searchState.bestMove, topMove(roots)));
    EXPECT_EQ(searchState.bestMove.score, topMove(roots).score);
    EXPECT_EQ(game.evaluationCount, roots.heap.size());
    EXPECT_EQ(fake.armedSeconds, 5);
    expectTimedFrame();
    EXPECT_EQ(fake.calls.size(), 4u) << "no iteration, so no events processed";
    EXPECT_TRUE(fake.exploring.empty());
}

TEST(ThinkTimed, ProgressTextsFollowTheIterationsAndTheBudget) {
    startThink(middleGame, 7, 1000);
    const MoveList roots = staticRootMoves();
    EXPECT_TRUE(thinkChecked());
    expectTimedFrame();
    EXPECT_EQ(count("events"), 3 + static_cast<int>(game.evaluationCount / 65536))
        << "one per iteration and one per 65536 evaluations";
    ASSERT_EQ(fake.exploring.size(), fake.atDepth.size());
    ASSERT_FALSE(fake.exploring.empty());
    // The first root move of the first iteration is the best by static score.
    EXPECT_EQ(fake.exploring[0], " 1: " + moveText(topMove(roots)));
    int perIteration[8] = {};
    for (size_t i = 0; i < fake.exploring.size(); ++i) {
        const int depth = std::stoi(fake.atDepth[i]);
        ASSERT_TRUE(depth == 3 || depth == 5 || depth == 7) << fake.atDepth[i];
        ++perIteration[depth];
        const std::string& text = fake.exploring[i];
        const int n = std::stoi(text.substr(0, 2));
        EXPECT_LE(n, depth + 11) << text;
        EXPECT_EQ(text.substr(2, 2), ": ") << text;
        MoveText parsed;
        EXPECT_TRUE(parseMoveText(text.substr(4), parsed)) << text;
        if (i > 0 && fake.atDepth[i] == fake.atDepth[i - 1]) {
            EXPECT_GT(n, std::stoi(fake.exploring[i - 1].substr(0, 2))) << text;
        }
    }
    EXPECT_EQ(perIteration[3], 14);
    EXPECT_EQ(perIteration[5], 16);
    EXPECT_EQ(perIteration[7], 18);
}

TEST(ThinkTimed, SameThinkTwiceGivesTheSameMoveScoreAndCount) {
    Move first{};
    uint32_t evaluations = 0;
    for (int run = 0; run < 2; ++run) {
        startThink(middleGame, 7, 1000);
        EXPECT_TRUE(thinkChecked());
        if (run == 0) {
            first = searchState.bestMove;
            evaluations = game.evaluationCount;
        } else {
            EXPECT_TRUE(sameMove(searchState.bestMove, first));
            EXPECT_EQ(searchState.bestMove.score, first.score);
            EXPECT_EQ(game.evaluationCount, evaluations);
        }
    }
}

TEST(ThinkTimed, TimeOutBetweenIterationsKeepsTheLastCompletedIteration) {
    // The depth-3 iteration alone, completed.
    startThink(middleGame, 3, 1000);
    EXPECT_TRUE(thinkChecked());
    const Move depthThree = searchState.bestMove;
    const uint32_t evaluations = game.evaluationCount;

    // Events run before each iteration: the second time, before depth 5, the time-out fires.
    startThink(middleGame, 9, 2);
    EXPECT_TRUE(thinkChecked());
    EXPECT_FALSE(fake.firedInsideSearch);
    EXPECT_EQ(game.evaluationCount, evaluations) << "nothing searched after the time-out";
    EXPECT_TRUE(sameMove(searchState.bestMove, depthThree));
    EXPECT_EQ(searchState.bestMove.score, depthThree.score);
    for (const std::string& depth : fake.atDepth) EXPECT_EQ(depth, "3");
    expectTimedFrame();
}

TEST(ThinkTimed, TimeOutBeforeTheFirstIterationPlaysTheBestStaticMove) {
    startThink(middleGame, 9, 1);
    const MoveList roots = staticRootMoves();
    EXPECT_TRUE(thinkChecked());
    EXPECT_TRUE(sameMove(searchState.bestMove, topMove(roots)));
    EXPECT_EQ(searchState.bestMove.score, topMove(roots).score);
    EXPECT_TRUE(fake.exploring.empty());
    expectTimedFrame();
}

// depthThreeValue() is the value of root move m in the first iteration, searched with the root
// window (best, DECIDED_BOUND), optionally with the stop already requested.
int32_t depthThreeValue(const Move& m, int32_t best, bool stopped) {
    const GameState saved = game;
    makeMove(m);
    game.sideToMove ^= 1;
    game.searchPly = 1;
    game.remainingDepth = 2;
    searchState.stopRequested = stopped;
    const int32_t v = -search(-DECIDED_BOUND, -best);
    searchState.stopRequested = 0;
    game.sideToMove ^= 1;
    unmakeMove(m);
    game.searchPly = saved.searchPly;
    game.remainingDepth = saved.remainingDepth;
    game.evaluationCount = saved.evaluationCount;
    return v;
}

TEST(ThinkTimed, IterationChoosesTheFirstBestOfItsBudgetedRootMoves) {
    // Depth limit 4: one iteration, at depth 3, over the 14 best root moves by static score.
    startThink(middleGame, 4, 1000);
    MoveList roots = staticRootMoves();
    Move expected{};
    int32_t best = NO_SCORE;
    for (int n = 0; n < 14; ++n) {
        const Move m = popMove(roots);
        const int32_t v = depthThreeValue(m, NO_SCORE, false);
        if (v > best) best = v, expected = m;
    }
    EXPECT_TRUE(thinkChecked());
    EXPECT_TRUE(sameMove(searchState.bestMove, expected)) << moveText(searchState.bestMove);
    EXPECT_EQ(searchState.bestMove.score, best);
    EXPECT_EQ(fake.atDepth, std::vector<std::string>(14, "3"));
}

TEST(ThinkTimed, TimeOutInTheFirstRootMoveKeepsItWithItsInterruptedValue) {
    startThink(middleGame, 9, 1000);
    fake.fireAtExploring = 1;
    const Move first = topMove(staticRootMoves());
    const int32_t interrupted = depthThreeValue(first, NO_SCORE, true);
    EXPECT_TRUE(thinkChecked());
    EXPECT_TRUE(sameMove(searchState.bestMove, first));
    EXPECT_EQ(searchState.bestMove.score, interrupted);
    EXPECT_EQ(fake.exploring.size(), 1u);
    expectTimedFrame();
}

TEST(ThinkTimed, TimeOutInALaterRootMoveKeepsTheBestMoveExaminedBeforeIt) {
    startThink(middleGame, 9, 1000);
    fake.fireAtExploring = 3;
    MoveList roots = staticRootMoves();
    const Move first = popMove(roots), second = popMove(roots);
    const int32_t firstValue = depthThreeValue(first, NO_SCORE, false);
    const int32_t secondValue = depthThreeValue(second, firstValue, false);
    // The next queue holds both; the second is on top only when strictly better.
    const Move& expected = secondValue > firstValue ? second : first;
    EXPECT_TRUE(thinkChecked());
    EXPECT_TRUE(sameMove(searchState.bestMove, expected)) << moveText(searchState.bestMove);
    EXPECT_EQ(searchState.bestMove.score, std::max(firstValue, secondValue));
    EXPECT_EQ(fake.exploring.size(), 3u);
    expectTimedFrame();
}

TEST(ThinkTimed, TimeOutInsideTheEvaluationStopsTheSearchWithALegalMove) {
    Move first{};
    for (int run = 0; run < 2; ++run) {
        startThink(middleGame, 11, 4);
        const MoveList roots = staticRootMoves();
        EXPECT_TRUE(thinkChecked());
        EXPECT_TRUE(fake.firedInsideSearch);
        expectTimedFrame();
        bool isRootMove = false;
        for (const Move& m : roots.heap) isRootMove |= sameMove(m, searchState.bestMove);
        EXPECT_TRUE(isRootMove) << moveText(searchState.bestMove);
        if (run == 0) first = searchState.bestMove;
        EXPECT_TRUE(sameMove(searchState.bestMove, first)) << "the fake clock is deterministic";
    }
}

// Side 0 to move can connect all its pieces with E1-E4, the only such move of its 23.
const Game winInOne = {7, 0, {"C2-F2", "F5-D5", "F2-E1", "D5xD2", "E2-E5", "B4-B1"}};

TEST(ThinkTimed, WinningRootMoveEndsEveryIterationUnsearched) {
    startThink(winInOne, 9, 1000);
    const MoveList roots = staticRootMoves();
    ASSERT_EQ(roots.heap.size(), 23u);
    EXPECT_TRUE(thinkChecked());
    EXPECT_EQ(moveText(searchState.bestMove), "E1-E4");
    // Decided with remainingDepth 0, as left in a fresh process: the loser has 5 groups.
    EXPECT_EQ(searchState.bestMove.score, WIN_SCORE + 5);
    EXPECT_EQ(game.evaluationCount, 23u) << "only the root moves were scored";
    EXPECT_TRUE(fake.exploring.empty());
    EXPECT_EQ(count("events"), 4) << "iterations at depths 3, 5, 7 and 9";
    expectTimedFrame();
}

TEST(ThinkTimed, RootScoresCarryTheRemainingDepthOfThePreviousThink) {
    startThink(winInOne, 5, 0);
    EXPECT_TRUE(thinkChecked());
    EXPECT_EQ(searchState.bestMove.score, WIN_SCORE + 512 * 5 + 5);
    ASSERT_EQ(game.remainingDepth, 5);
    searchState.timeLimit[game.sideToMove] = 1000;
    searchState.depthLimit[game.sideToMove] = 9;
    EXPECT_TRUE(thinkChecked());
    EXPECT_EQ(moveText(searchState.bestMove), "E1-E4");
    EXPECT_EQ(searchState.bestMove.score, WIN_SCORE + 512 * 5 + 5);
}

// Side 0 to move has 31 moves and loses with every one at depth 3: side 1 connects next.
const Game lostPosition = {8, 2, {"B6-D4", "D7xB5", "E7-C5", "C7-E7", "G4-H3", "E2-C4", "C2-E4",
                                  "G6-H6", "H3-G4", "E7-C7", "G3-E3", "G5-G7", "D2xF2", "B5-A4",
                                  "C5-D5"}};

TEST(ThinkTimed, SkippedRootMovesLoseThePenaltyOncePerIteration) {
    // After k iterations the queue's top is the best move skipped k times: every searched move
    // is a decided loss, below any ordinary score minus a few penalties.
    struct Case {
        int iterations, firstSkipped;
    };
    const Case cases[] = {{1, 14}, {2, 14 + 16}};
    for (const Case& c : cases) {
        startThink(lostPosition, 9, c.iterations + 1);
        std::vector<Move> staticOrder;
        for (MoveList roots = staticRootMoves(); !isEmpty(roots);) staticOrder.push_back(popMove(roots));
        ASSERT_EQ(staticOrder.size(), 31u);
        const Move& skipped = staticOrder[c.firstSkipped];
        EXPECT_TRUE(thinkChecked());
        EXPECT_EQ(searchState.bestMove.score, skipped.score - c.iterations * UNSEARCHED_PENALTY)
            << c.iterations;
        int shownMoves = 0;
        for (int n = 0; n < c.firstSkipped; ++n) shownMoves += sameMove(searchState.bestMove, staticOrder[n]);
        EXPECT_EQ(shownMoves, 0) << "the move played was never searched";
        EXPECT_EQ(static_cast<int>(fake.exploring.size()), c.firstSkipped);
    }
}

// After C1xE3 on the 5 x 5 board with setup 6, A3xC5 lets side 0 reply E3xC5, after which side 1
// has no move: A3xC5 is worth NO_SCORE. Skipped at depth 7, a wrapping penalty would lift it to
// the top of the queue.
TEST(ThinkTimed, MoveThatLeavesNoReplyIsNotLiftedByThePenalty) {
    startThink({5, 6, {"C1xE3"}}, 7, 1000);
    EXPECT_TRUE(thinkChecked());
    EXPECT_NE(moveText(searchState.bestMove), "A3xC5");
    EXPECT_GT(searchState.bestMove.score, NO_SCORE);
}

}  // namespace
