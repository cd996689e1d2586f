#include "search/think.h"

#include <cstdio>

#include "moves/generate.h"
#include "moves/move_list.h"
#include "position/game_state.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "search/player.h"
#include "search/search.h"
#include "strong/strong_think.h"

namespace {

void (*iterationListener)(const StrongIteration&) = nullptr;

// The first iteration of the timed mode searches 3 plies; every further one 2 more.
constexpr int32_t FIRST_ITERATION_DEPTH = 3;
constexpr int32_t ITERATION_STEP = 2;
// An iteration at depth d examines at most d + 11 root moves.
constexpr int32_t ROOT_BUDGET_EXTRA = 12;

// The two root queues of the timed mode: `current` holds the root moves still to be examined in
// this iteration, the other one receives every examined move with its new score. They swap
// after each completed iteration, so each iteration's values order the next one.
struct RootQueues {
    MoveList queue[2];
    int current = 0;
    MoveList& now() { return queue[current]; }
    MoveList& next() { return queue[1 - current]; }
    void swap() { current = 1 - current; }
};

void showRootMove(int n, const Move& m) {
    char text[16];
    formatProgress(text, n, m);
    toolkit.setExploring(text);
    char depth[16];
    std::snprintf(depth, sizeof depth, "%d", static_cast<int>(searchState.iterationDepth));
    toolkit.setAtDepth(depth);
}

// searchRootMove() values root move m for the side to move. The window (-DECIDED_BOUND, -best)
// of the reply makes the root a node with window (best, DECIDED_BOUND): the first move of an
// iteration gets an open window, every later one only has to show whether it beats best.
int32_t searchRootMove(const Move& m, int32_t best) {
    playMove(m);
    const int32_t v = -search(-DECIDED_BOUND, -best);
    takeBackMove(m);
    return v;
}

// runIteration() examines the root moves of the current queue at searchState.iterationDepth, best
// queue score first, and moves each to the next queue with its new score. Moves beyond the budget,
// and all moves after a win has been found, are skipped and penalised. Returns false when the
// time-out stopped the iteration; bestMove then holds the move to play.
bool runIteration(RootQueues& roots) {
    const int32_t depth = searchState.iterationDepth;
    game.searchPly = 1;
    game.remainingDepth = depth - 1;
    int32_t budget = depth + ROOT_BUDGET_EXTRA;
    int32_t best = NO_SCORE;
    int n = 0;
    while (!isEmpty(roots.now())) {
        ++n;
        Move m = popMove(roots.now());
        if (--budget <= 0) {
            m.score = penalizeUnsearched(m.score);
            pushMove(roots.next(), m);
            continue;
        }
        // A decided root move keeps its score and is not searched.
        if (isOrdinaryScore(m.score)) {
            showRootMove(n, m);
            m.score = searchRootMove(m, best);
        }
        if (searchState.stopRequested) {
            // The interrupted value of m is partial: m goes into no queue.
            searchState.bestMove = isEmpty(roots.next()) ? m : topMove(roots.next());
            return false;
        }
        if (m.score > best) {
            best = m.score;
            searchState.bestMove = m;
            if (best >= DECIDED_BOUND) budget = 0;  // a win: examine nothing more this iteration
        }
        pushMove(roots.next(), m);
    }
    return !searchState.stopRequested;
}

// deepen() runs the iterations at depths 3, 5, 7, ... up to depthLimit, processing pending events
// (the time-out among them) before each. A time-out between iterations plays the top of the
// queue that the last completed iteration filled.
void deepen(RootQueues& roots, int32_t depthLimit) {
    searchState.iterationDepth = FIRST_ITERATION_DEPTH;
    if (depthLimit < FIRST_ITERATION_DEPTH) return;
    for (;;) {
        toolkit.processEvents();
        if (searchState.stopRequested) {
            searchState.bestMove = topMove(roots.now());
            return;
        }
        if (!runIteration(roots)) return;
        roots.swap();
        searchState.iterationDepth += ITERATION_STEP;
        if (searchState.iterationDepth > depthLimit) return;
    }
}

// thinkTimed() is iterative deepening at the root within the side's time limit, showing progress.
// The time-out is armed and the outputs shown first, and both are undone on every way out,
// including a side without a legal move, for which nothing is searched.
bool thinkTimed(int side, int32_t depthLimit) {
    toolkit.armThinkTimeout(searchState.timeLimit[side]);
    toolkit.showProgress();

    RootQueues roots;
    game.searchPly = 0;
    // remainingDepth is deliberately left as the previous think left it (0 in a fresh process):
    // it only shifts the static scores of root moves that decide the game, all by the same amount.
    generateMoves(roots.now());
    const bool found = !isEmpty(roots.now());
    if (found) {
        searchState.bestMove = topMove(roots.now());
        deepen(roots, depthLimit);
    } else {
        searchState.bestMove = NO_MOVE;
    }

    toolkit.cancelThinkTimeout();
    toolkit.hideProgress();
    return found;
}

// thinkFixedDepth() is one root search to the depth limit; the search itself writes bestMove.
bool thinkFixedDepth(int32_t depthLimit) {
    game.remainingDepth = depthLimit;
    game.searchPly = 0;
    search(-DECIDED_BOUND, DECIDED_BOUND);
    return !isNoMove(searchState.bestMove);
}

// thinkStrong() lets the strong player choose. A timed think arms the time-out and shows its progress
// as the classic one does, so that the window and the tool treat both players alike.
bool thinkStrong(int side, int32_t depthLimit) {
    const Player& player = players[side];
    const double seconds = searchState.timeLimit[side];
    const bool timed = seconds > 0;
    prepareStrongThink(side);
    if (timed) {
        toolkit.armThinkTimeout(seconds);
        toolkit.showProgress();
    }
    const StrongResult result = strongThink(
        {depthLimit, seconds, player.noise, player.seed, &searchState.stopRequested, timed, iterationListener});
    if (timed) {
        toolkit.cancelThinkTimeout();
        toolkit.hideProgress();
    }
    searchState.bestMove = result.found ? result.move : NO_MOVE;
    searchState.nodeCount = result.nodes;
    searchState.depthReached = result.depth;
    searchState.variation = result.variation;
    return result.found;
}

}  // namespace

bool think() {
    const int side = game.sideToMove;
    searchState.variation.length = 0;
    searchState.stopRequested = 0;
    game.evaluationCount = 0;
    // The search needs at least one ply; a smaller typed limit means one.
    const int32_t depthLimit = searchState.depthLimit[side] < 1 ? 1 : searchState.depthLimit[side];
    if (players[side].engine == Engine::Strong) return thinkStrong(side, depthLimit);
    if (searchState.timeLimit[side] > 0) return thinkTimed(side, depthLimit);
    return thinkFixedDepth(depthLimit);
}

void setIterationListener(void (*listener)(const StrongIteration& iteration)) { iterationListener = listener; }

void onThinkTimeout() { searchState.stopRequested = 1; }

int32_t penalizeUnsearched(int32_t score) {
    if (score < NO_SCORE + UNSEARCHED_PENALTY) return NO_SCORE;
    return score - UNSEARCHED_PENALTY;
}
