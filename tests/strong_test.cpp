// The strong player: forced wins found at the least depth that can see them and checked by a plain
// enumeration of every reply, the same fixed-depth result on every run whatever was searched before,
// the position left as found, a legal move however early the think is stopped, and the choice of
// player that think() dispatches on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "records/record.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "strong/strong_search.h"
#include "strong/strong_think.h"
#include "player_fixture.h"
#include "test_support.h"

using testing_support::diffPositions;
using testing_support::Game;
using testing_support::legalMoves;
using testing_support::sameMove;
using testing_support::setUpGame;

namespace {

class Strong : public PlayerFixture {};

// strongSearch() runs a fixed-depth think of the strong player and checks that it left the position
// as it found it.
StrongResult strongSearchAt(int depth) {
    const GameState saved = game;
    const uint8_t stop = 0;
    const StrongResult result = strongThink({depth, 0, 0, 0, &stop, false});
    EXPECT_EQ(diffPositions(saved, game), "") << "depth " << depth;
    return result;
}

// winsAtOnce() tells whether m, played by the side to move, wins at once: the mover connects, also
// when both sides do. A move that connects only the other side loses.
bool winsAtOnce(const Move& m) {
    const int mover = game.sideToMove;
    playMove(m);
    const bool won = winner() == mover;
    takeBackMove(m);
    return won;
}

// forcesWinWithin() tells, by trying every move and every reply, whether the side to move can
// connect within `moves` of its own moves (1 or 2) whatever the other side replies. A reply that
// connects the other side, or leaves the side to move without a move, refutes the line.
bool forcesWinWithin(int moves);

bool moveForcesWinWithin(const Move& m, int moves) {
    if (winsAtOnce(m)) return true;
    if (moves < 2) return false;
    const int mover = game.sideToMove;
    playMove(m);
    bool forced = winner() < 0 && !legalMoves().empty();
    for (const Move& reply : forced ? legalMoves() : std::vector<Move>{}) {
        playMove(reply);
        const int won = winner();
        forced = won == mover || (won < 0 && forcesWinWithin(moves - 1));
        takeBackMove(reply);
        if (!forced) break;
    }
    takeBackMove(m);
    return forced;
}

bool forcesWinWithin(int moves) {
    for (const Move& m : legalMoves())
        if (moveForcesWinWithin(m, moves)) return true;
    return false;
}

struct ForcedWin {
    Game position;
    int plies;  // 1: a win with the next move; 3: with the move after the next
};

// Positions from games, on boards of several sizes, whose side to move connects in one move or forces
// a connection with its second move.
const ForcedWin forcedWins[] = {
    {{5, 3, {"B5-D3", "A3xD3", "C5xE3", "A2-C2", "D5-C4"}}, 1},
    {{6, 0, {"C2-C4", "B3-D3"}}, 1},
    {{8, 1, {"B3-D3", "B6-D4", "B4-D6", "G3xD6", "F7-F5", "B5-E5", "G5-E3", "G4-E4", "F5-F3", "C7-F4", "E7-F6",
             "D7-E6", "F6-G5"}},
     1},
    {{10, 2, {"G9xI7", "I8-G8", "D2xB4", "I6xF9", "I4xG2", "H2-F4", "B7xD9", "F2-F5", "I5xF5", "B3-E6", "C2-E4",
              "B5-D7", "E2xE6", "F4-D6", "E6xE9", "D6xD9", "B8-D8"}},
     1},
    {{5, 3, {"B5-D3", "A3xD3", "C5xE3"}}, 3},
    {{6, 0, {}}, 3},
    {{8, 1, {"B3-D3", "B6-D4", "B4-D6", "G3xD6", "F7-F5", "B5-E5", "G5-E3", "G4-E4", "F5-F3", "C7-F4", "E7-F6"}},
     3},
    {{10, 2, {"G9xI7", "B4xD2", "B7xD9", "G2xI4", "C2-E4", "C9-E7", "I3-G3", "E9-G7", "I5xF2", "I8-G8", "E4xE7",
              "I4xI7", "H9-H7", "H2-H4", "F9-F7", "B3-D3", "B8xB5", "G8-G5", "H7-H5", "I6-G6", "H5-F3", "G7xG3",
              "F2-F5", "I7-F4", "E7-E5", "H4-F6", "F7-E6"}},
     3},
};

std::string nameOf(const ForcedWin& w) {
    return "size " + std::to_string(w.position.size) + " setup " + std::to_string(w.position.setup) + " after " +
           std::to_string(w.position.moves.size()) + " moves, win in " + std::to_string(w.plies);
}

TEST_F(Strong, FindsEachForcedWinAtTheLeastDepthThatSeesIt) {
    for (const ForcedWin& w : forcedWins) {
        SCOPED_TRACE(nameOf(w));
        ASSERT_EQ(setUpGame(w.position.size, w.position.setup, w.position.moves), "");
        // The table's positions are what they claim: no quicker win, and the forced one exists.
        ASSERT_EQ(forcesWinWithin(1), w.plies == 1);
        ASSERT_TRUE(forcesWinWithin((w.plies + 1) / 2));
        if (w.plies > 1) {
            const StrongResult shallower = strongSearchAt(w.plies - 1);
            EXPECT_LT(shallower.move.score, DECIDED_BOUND) << "a win seen before it can be seen";
        }
        const StrongResult found = strongSearchAt(w.plies);
        ASSERT_TRUE(found.found);
        EXPECT_EQ(found.move.score, winAt(w.plies));
        EXPECT_TRUE(moveForcesWinWithin(found.move, (w.plies + 1) / 2)) << moveText(found.move);
    }
}

// A deeper search still takes the quickest win: a win in one scores as such at depth 4.
TEST_F(Strong, PrefersTheQuickestWin) {
    for (const ForcedWin& w : forcedWins) {
        if (w.plies != 1) continue;
        SCOPED_TRACE(nameOf(w));
        ASSERT_EQ(setUpGame(w.position.size, w.position.setup, w.position.moves), "");
        const StrongResult found = strongSearchAt(4);
        EXPECT_EQ(found.move.score, winAt(1));
        EXPECT_TRUE(winsAtOnce(found.move)) << moveText(found.move);
    }
}

// The same fixed-depth search gives the same move, score and node count, also after other searches
// have filled the tables in between.
TEST_F(Strong, FixedDepthResultIsTheSameOnEveryRun) {
    const Game games[] = {{8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}}, {12, 5, {"C1xA3", "L10xJ12"}}};
    for (const Game& g : games) {
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const StrongResult first = strongSearchAt(5);
        ASSERT_EQ(setUpGame(8, 0, {}), "");
        strongSearchAt(5);
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const StrongResult again = strongSearchAt(5);
        EXPECT_TRUE(sameMove(first.move, again.move)) << moveText(first.move) << " then " << moveText(again.move);
        EXPECT_EQ(first.move.score, again.move.score);
        EXPECT_EQ(first.nodes, again.nodes);
        EXPECT_EQ(first.depth, 5);
    }
}

// isLegalLine() plays the line from the position, each move found among the legal moves of the side
// to move, and takes it back; it tells whether every move was legal there and the game went on.
bool isLegalLine(const Variation& line, std::string& why) {
    std::vector<Move> played;
    bool legal = true;
    for (int i = 0; i < line.length && legal; ++i) {
        legal = winner() < 0;
        bool found = false;
        for (const Move& m : legalMoves()) found = found || sameMove(m, line.moves[i]);
        legal = legal && found;
        if (!legal) why = "move " + std::to_string(i + 1) + " " + moveText(line.moves[i]) + " is not legal";
        else {
            playMove(line.moves[i]);
            played.push_back(line.moves[i]);
        }
    }
    for (auto m = played.rbegin(); m != played.rend(); ++m) takeBackMove(*m);
    return legal;
}

// The expected line of every completed iteration, as the think reports it.
std::vector<StrongIteration> iterations;
std::vector<Variation> iterationLines;

void recordIteration(const StrongIteration& it) {
    iterations.push_back(it);
    iterationLines.push_back(*it.variation);
}

// The principal variation is a legal line from the position whose first move is the move chosen, no
// longer than the depth searched; each iteration reports one, in order of depth, the last one the
// think's own.
TEST_F(Strong, PrincipalVariationIsALegalLineStartingWithTheBestMove) {
    const Game games[] = {{8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}}, {6, 4, {}}, {12, 5, {"C1xA3", "L10xJ12"}},
                          {5, 3, {"B5-D3", "A3xD3", "C5xE3"}}};
    for (const Game& g : games) {
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const GameState saved = game;
        const uint8_t stop = 0;
        iterations.clear();
        iterationLines.clear();
        StrongRequest request{7, 0, 0, 0, &stop, false};
        request.onIteration = recordIteration;
        const StrongResult result = strongThink(request);
        ASSERT_TRUE(result.found);
        EXPECT_EQ(diffPositions(saved, game), "");
        SCOPED_TRACE("size " + std::to_string(g.size) + " after " + std::to_string(g.moves.size()) + " moves");
        ASSERT_GE(result.variation.length, 1);
        EXPECT_LE(result.variation.length, result.depth);
        EXPECT_TRUE(sameMove(result.variation.moves[0], result.move));
        std::string why;
        EXPECT_TRUE(isLegalLine(result.variation, why)) << why;
        // A line that is not cut short by the end of the game reaches the depth searched.
        if (isOrdinaryScore(result.move.score)) {
            EXPECT_EQ(result.variation.length, result.depth);
        }

        ASSERT_EQ(static_cast<int>(iterations.size()), result.depth);
        for (size_t i = 0; i < iterations.size(); ++i) {
            EXPECT_EQ(iterations[i].depth, static_cast<int>(i) + 1);
            EXPECT_TRUE(isLegalLine(iterationLines[i], why)) << "depth " << i + 1 << ": " << why;
        }
        EXPECT_TRUE(sameMove(iterationLines.back().moves[0], result.move));
        EXPECT_EQ(iterations.back().score, result.move.score);
        EXPECT_EQ(iterations.back().nodes, result.nodes);
    }
}

// rootSearch() searches every root move of the position to `depth` with `quiescencePlies` of
// quiescence and returns the move it puts first.
Move rootSearch(int depth, int quiescencePlies) {
    static TranspositionTable table;
    prepareTable(table, 1);
    const uint8_t stop = 0;
    strongSearch = {&table, &stop, 0, true, false, quiescencePlies};
    std::vector<RootMove> roots;
    for (const Move& m : legalMoves()) roots.push_back({m, 0});
    searchRoot(roots.data(), static_cast<int>(roots.size()), depth, -STRONG_INFINITY, STRONG_INFINITY, false);
    return roots.front().move;
}

// opponentConnectsByCapture() tells whether, after m, the other side can capture and connect at once.
bool opponentConnectsByCapture(const Move& m) {
    playMove(m);
    bool connects = false;
    for (const Move& reply : legalMoves()) {
        if (reply.captured < 0) continue;
        const int side = game.sideToMove;
        playMove(reply);
        connects = connects || winner() == side;
        takeBackMove(reply);
    }
    takeBackMove(m);
    return connects;
}

// Positions where the quiet move that looks best one ply ahead lets the other side capture and
// connect at once: a search of one ply judges the position after it as it stands and plays it; with
// quiescence the capture at its horizon is searched and the move avoided.
TEST_F(Strong, QuiescenceSeesTheCaptureThatConnectsBeyondTheHorizon) {
    const Game games[] = {{5, 7, {"E4-B4", "E3xC5", "C1xC5", "A3-B2", "C4-C1", "D1-D4", "A2xA4"}},
                          {6, 0, {"D2xB4", "E4-E2", "D5-F5", "B3-B1", "C2-D1", "E3-D2", "F5-D5", "B1-A2", "D5-B5"}},
                          {5, 8, {"C1xA3", "E3-D2", "C5-D4", "D3xA3", "E2xB5", "E4-E3", "C4-E2", "E3-C1", "A4-C4", "C1-E3",
                                  "B1xD1"}}};
    for (const Game& g : games) {
        SCOPED_TRACE("size " + std::to_string(g.size) + " setup " + std::to_string(g.setup));
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const Move plain = rootSearch(1, 0);
        const Move quiet = rootSearch(1, QUIESCENCE_PLIES);
        EXPECT_TRUE(opponentConnectsByCapture(plain)) << moveText(plain);
        EXPECT_FALSE(opponentConnectsByCapture(quiet)) << moveText(quiet);
    }
}

// A think stopped before it starts still finishes its first iteration and plays a legal move; the
// stop flag set at once is the think's time-out of the desktop.
TEST_F(Strong, StoppedThinkPlaysALegalMoveOfTheFirstIteration) {
    const Game games[] = {{8, 3, {"F1-D3"}}, {16, 8, {}}, {4, 3, {}}};
    for (const Game& g : games) {
        ASSERT_EQ(setUpGame(g.size, g.setup, g.moves), "");
        const uint8_t stop = 1;
        const StrongResult result = strongThink({30, 1000, 0, 0, &stop, false});
        ASSERT_TRUE(result.found);
        EXPECT_EQ(result.depth, 1);
        bool legal = false;
        for (const Move& m : legalMoves()) legal = legal || sameMove(m, result.move);
        EXPECT_TRUE(legal) << moveText(result.move);
    }
}

TEST_F(Strong, SideWithoutALegalMoveGetsNone) {
    testing_support::setUpBoard(4, {{1, 1, 0}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}, {4, 4, 1}});
    ASSERT_TRUE(legalMoves().empty());
    EXPECT_FALSE(strongSearchAt(3).found);
    chooseEngine(0, Engine::Strong);
    searchState.depthLimit[0] = 3;
    EXPECT_FALSE(think());
    EXPECT_TRUE(isNoMove(searchState.bestMove));
}

// think() plays with the side's chosen player: the strong one for side 1 only, so that side 0 keeps
// the classic player's result, evaluation count included.
TEST_F(Strong, ThinkDispatchesOnTheChosenPlayerOfTheSideToMove) {
    ASSERT_EQ(setUpGame(8, 3, {"F1-D3", "H7-H1", "C8-C6", "A2-C4"}), "");
    chooseEngine(1, Engine::Strong);
    searchState.depthLimit[0] = 5;
    ASSERT_TRUE(think());
    EXPECT_EQ(moveText(searchState.bestMove), "C1xC4");
    EXPECT_EQ(searchState.bestMove.score, 8206);
    EXPECT_EQ(game.evaluationCount, 22093u);

    const StrongResult expected = strongSearchAt(5);
    game.sideToMove = 1;  // the same squares, side 1 to move: its strong player thinks
    searchState.depthLimit[1] = 5;
    const StrongResult mirror = strongSearchAt(5);
    ASSERT_TRUE(think());
    EXPECT_TRUE(sameMove(searchState.bestMove, mirror.move));
    EXPECT_EQ(searchState.nodeCount, mirror.nodes);
    EXPECT_EQ(searchState.depthReached, 5);
    EXPECT_GT(expected.nodes, 0u);
}

// A fake toolkit that records what a think asks of it.
struct Recorder {
    std::vector<std::string> calls, exploring, atDepth;
};
Recorder recorder;

void installRecorder() {
    recorder = Recorder{};
    toolkit.processEvents = [] {};
    toolkit.armThinkTimeout = [](double) { recorder.calls.push_back("arm"); };
    toolkit.cancelThinkTimeout = [] { recorder.calls.push_back("cancel"); };
    toolkit.showProgress = [] { recorder.calls.push_back("show"); };
    toolkit.hideProgress = [] { recorder.calls.push_back("hide"); };
    toolkit.setExploring = [](const char* text) { recorder.exploring.push_back(text); };
    toolkit.setAtDepth = [](const char* text) { recorder.atDepth.push_back(text); };
}

// A timed think of the strong player arms and cancels the time-out, shows and hides the progress as
// the classic one does, and reports each root move with the depth of its iteration; a fixed-depth
// think asks for none of it.
TEST_F(Strong, TimedThinkShowsItsProgressAndUndoesWhatItArmed) {
    ASSERT_EQ(setUpGame(8, 3, {"F1-D3", "H7-H1"}), "");
    installRecorder();
    chooseEngine(0, Engine::Strong);
    searchState.depthLimit[0] = 3;
    searchState.timeLimit[0] = 1000;
    ASSERT_TRUE(think());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"arm", "show", "cancel", "hide"}));
    ASSERT_FALSE(recorder.exploring.empty());
    EXPECT_EQ(recorder.exploring.size(), recorder.atDepth.size());
    EXPECT_EQ(recorder.exploring.front().substr(0, 4), " 1: ");
    EXPECT_EQ(recorder.atDepth.front(), "1");
    EXPECT_EQ(recorder.atDepth.back(), "3");
    EXPECT_EQ(searchState.depthReached, 3);

    installRecorder();
    searchState.timeLimit[0] = 0;
    ASSERT_TRUE(think());
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_TRUE(recorder.exploring.empty());
}

}  // namespace
