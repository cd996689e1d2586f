#include "analysis/game_analysis.h"

#include <algorithm>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/history.h"
#include "search/search.h"
#include "search/think.h"

namespace {

constexpr int64_t DUBIOUS_DROP = DISTANCE_WEIGHT;      // "?": about a move's worth of connection lost
constexpr int64_t BLUNDER_DROP = 3 * DISTANCE_WEIGHT;  // "??": about three

// searchScore() is what `search depth` prints as the score of the current position: the fixed-depth
// search's value for the side to move, NO_SCORE when that side has no legal move.
int32_t searchScore(int depth, Move& best) {
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = 0;
    think();
    best = searchState.bestMove;
    return best.score;
}

// playedScore() is the score of the move just played for the side that played it: the evaluation
// for depth 1 (it rates the position for the side that made the last move), otherwise the negated
// value of the search one ply shallower. A move that ends the game is also scored by the evaluation,
// which sees the win: the search would play on past the end of the game.
int32_t playedScore(int depth) {
    if (depth == 1 || winner() >= 0) return evaluate();
    Move reply;
    return static_cast<int32_t>(-static_cast<int64_t>(searchScore(depth - 1, reply)));
}

// startAfter() sets up the line's start with its first `plies` moves played, as the tool's position
// options would: each search then sees exactly what `search` sees on that position.
void startAfter(const GameRecord& line, size_t plies) {
    GameRecord prefix = line;
    prefix.moves.resize(plies);
    loadRecord(prefix);
}

bool sameSquares(const Move& a, const Move& b) {
    return a.fromRow == b.fromRow && a.fromCol == b.fromCol && a.toRow == b.toRow && a.toCol == b.toCol;
}

}  // namespace

const char* markText(Mark mark) {
    switch (mark) {
        case Mark::Dubious: return "?";
        case Mark::Blunder: return "??";
        default: return "";
    }
}

Mark markMove(const Move& played, const Move& best, int32_t score, int32_t bestScore) {
    if (sameSquares(played, best)) return Mark::Plain;
    const bool winThrownAway = bestScore >= DECIDED_BOUND && score < DECIDED_BOUND;
    const bool lossWalkedInto = score <= -DECIDED_BOUND && bestScore > -DECIDED_BOUND;
    if (winThrownAway || lossWalkedInto) return Mark::Blunder;
    if (!isOrdinaryScore(score) || !isOrdinaryScore(bestScore)) return Mark::Plain;
    const int64_t drop = static_cast<int64_t>(bestScore) - score;
    return drop >= BLUNDER_DROP ? Mark::Blunder : drop >= DUBIOUS_DROP ? Mark::Dubious : Mark::Plain;
}

GameAnalysis startGameAnalysis(const GameRecord& line, int depth) {
    GameAnalysis analysis;
    analysis.line = line;
    analysis.depth = depth;
    return analysis;
}

bool analysisComplete(const GameAnalysis& analysis) { return analysis.moves.size() >= analysis.line.moves.size(); }

void analyseNextMove(GameAnalysis& analysis) {
    if (analysisComplete(analysis)) return;
    const SavedGame saved;
    const size_t ply = analysis.moves.size();
    MoveAnalysis found{};
    found.played = analysis.line.moves[ply];
    startAfter(analysis.line, ply);
    found.bestScore = searchScore(analysis.depth, found.best);
    startAfter(analysis.line, ply + 1);
    found.score = playedScore(analysis.depth);
    found.mark = markMove(found.played, found.best, found.score, found.bestScore);
    analysis.moves.push_back(found);
}

size_t analysedMoves(const GameAnalysis& analysis) {
    if (analysis.line.size != game.boardSize || analysis.line.setup != game.setupNumber) return 0;
    const size_t most = std::min(analysis.moves.size(), static_cast<size_t>(gameHistory.historyLength));
    size_t n = 0;
    while (n < most && sameSquares(analysis.moves[n].played, gameHistory.historyMoves[n])) ++n;
    return n;
}

int32_t positionValue(const GameAnalysis& analysis, size_t plies) {
    if (plies == 0) return analysis.moves[0].bestScore;
    const int32_t score = analysis.moves[plies - 1].score;
    const bool side0Moved = (plies - 1) % 2 == 0;
    return side0Moved ? score : static_cast<int32_t>(-static_cast<int64_t>(score));
}
