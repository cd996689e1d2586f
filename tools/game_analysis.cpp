// analyse: the computer's view of every move of a game line. For each move, the fixed-depth search of
// the position before it gives the best move and its score, and the search one ply shallower after it
// gives the score of the move played; a move that falls far enough below the best is marked.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "records/record.h"
#include "search/search.h"
#include "search/think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

namespace {

// Marks, by how far the score of the move played falls below the best score, in steps of connection
// distance (1024 evaluation units; an obstructing piece is worth 512, a legal move 1).
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

// mark() rates the move played: never the best move itself; always "??" for a move that throws a
// decided win away or walks into a decided loss; otherwise by the drop from the best score, except
// between two decided scores of the same sign (a slower win or a longer loss is no mistake).
const char* mark(const Move& played, const Move& best, int32_t score, int32_t bestScore) {
    const bool isBest = played.fromRow == best.fromRow && played.fromCol == best.fromCol &&
                        played.toRow == best.toRow && played.toCol == best.toCol;
    if (isBest) return "";
    const bool winThrownAway = bestScore >= DECIDED_BOUND && score < DECIDED_BOUND;
    const bool lossWalkedInto = score <= -DECIDED_BOUND && bestScore > -DECIDED_BOUND;
    if (winThrownAway || lossWalkedInto) return "??";
    if (!isOrdinaryScore(score) || !isOrdinaryScore(bestScore)) return "";
    const int64_t drop = static_cast<int64_t>(bestScore) - score;
    return drop >= BLUNDER_DROP ? "??" : drop >= DUBIOUS_DROP ? "?" : "";
}

// startAfter() sets up the game's start with its first `plies` moves played, as the tool's position
// options would: each search then sees exactly what `search` sees on that position.
void startAfter(const GameRecord& line, size_t plies) {
    GameRecord prefix = line;
    prefix.moves.resize(plies);
    loadRecord(prefix);
}

// The progress line goes to a terminal only, and is rubbed out when the analysis ends.
void showProgress(bool shown, size_t ply, size_t plies, const Move& m) {
    if (!shown) return;
    std::fprintf(stderr, "\ranalysing move %zu of %zu: %-8s", ply, plies, moveText(m).c_str());
    std::fflush(stderr);
}

void clearProgress(bool shown) {
    if (shown) std::fprintf(stderr, "\r%50s\r", "");
}

}  // namespace

int commandAnalyse(const CliOptions& options) {
    int depth = 0;
    std::string error;
    const char* name = options.command.c_str();
    if (!parseDepth(options, name, depth, error)) return usageError(error);
    if (options.args.size() > 1) return usageError(std::string(name) + " takes one depth");
    installClockToolkit(false);

    GameRecord line;
    line.size = game.boardSize;
    line.setup = game.setupNumber;
    line.moves.assign(gameHistory.historyMoves.begin(), gameHistory.historyMoves.begin() + game.historyPosition);
    const bool progress = isatty(fileno(stderr));
    long moves[2] = {0, 0}, dubious[2] = {0, 0}, blunders[2] = {0, 0};
    for (size_t i = 0; i < line.moves.size(); ++i) {
        const Move& played = line.moves[i];
        showProgress(progress, i + 1, line.moves.size(), played);
        startAfter(line, i);
        Move best;
        const int32_t bestScore = searchScore(depth, best);
        startAfter(line, i + 1);
        const int32_t score = playedScore(depth);
        const std::string rating = mark(played, best, score, bestScore);
        const int side = static_cast<int>(i % 2);
        ++moves[side];
        dubious[side] += rating == "?";
        blunders[side] += rating == "??";
        clearProgress(progress);
        std::printf("%zu %s played %d best %s %d%s%s\n", i + 1, moveText(played).c_str(), score,
                    moveText(best).c_str(), bestScore, rating.empty() ? "" : " ", rating.c_str());
        std::fflush(stdout);
    }
    for (int side = 0; side < 2; ++side)
        std::printf("side %d: %ld moves, %ld marked ?, %ld marked ??\n", side, moves[side], dubious[side], blunders[side]);
    return 0;
}
