// Analysis commands: the legal moves with their scores, the evaluation, the statistics panel, and
// the computer player's fixed-depth and timed searches.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>

#include "moves/evaluate.h"
#include "moves/generate.h"
#include "moves/statistics.h"
#include "position/game_state.h"
#include "records/notation.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

int commandMoves(const CliOptions& options) {
    if (!options.args.empty()) return usageError("moves takes no arguments");
    MoveList list;
    generateMoves(list);
    while (!isEmpty(list)) {
        const Move m = popMove(list);
        std::printf("%s %d\n", moveText(m).c_str(), m.score);
    }
    return 0;
}

int commandEval(const CliOptions& options) {
    if (!options.args.empty()) return usageError("eval takes no arguments");
    std::printf("%d\n", evaluate());
    return 0;
}

int commandStats(const CliOptions& options) {
    if (!options.args.empty()) return usageError("stats takes no arguments");
    SideStatistics stats[2];
    computeStatistics(stats);
    for (int s = 0; s < 2; ++s) {
        const SideStatistics& t = stats[s];
        std::printf("%sside%d dist=%d groups=%d obstr=%d pieces=%d captures=%d moves=%d", s ? " " : "", s,
                    t.distance, t.groups, t.obstruction, t.pieces, t.captures, t.moves);
    }
    std::printf("\n");
    return 0;
}

bool parseDepth(const CliOptions& options, const char* command, int& depth, std::string& error) {
    long value = 0;
    if (options.args.empty()) {
        error = std::string(command) + " needs a depth, e.g. " + command + " 5";
        return false;
    }
    if (!parseInteger(options.args[0], value) || value < 1 || value > 99) {
        error = std::string(command) + ": depth '" + options.args[0] + "' is not a whole number from 1 to 99";
        return false;
    }
    depth = static_cast<int>(value);
    return true;
}

int printThinkResult(bool found, bool withDepth) {
    if (!found) {
        std::printf("bestmove none\n");
        return 0;
    }
    const Move& m = searchState.bestMove;
    if (players[game.sideToMove].engine == Engine::Classic) {
        std::printf("bestmove %s score %d evals %" PRIu32 "\n", moveText(m).c_str(), m.score, game.evaluationCount);
        return 0;
    }
    std::printf("bestmove %s score %d nodes %" PRIu64, moveText(m).c_str(), m.score, searchState.nodeCount);
    if (withDepth) std::printf(" depth %d", static_cast<int>(searchState.depthReached));
    std::printf(" pv%s\n", variationText(searchState.variation).c_str());
    return 0;
}

int commandSearch(const CliOptions& options) {
    int depth = 0;
    std::string error;
    if (!parseDepth(options, "search", depth, error)) return usageError(error);
    if (options.args.size() > 1) return usageError("search takes one depth");
    installClockToolkit(false);
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = 0;
    return printThinkResult(think(), false);
}

int commandThink(const CliOptions& options) {
    int depth = 0;
    std::string error;
    // With a level and no depth, the level's own limits apply: its time 0 means a fixed depth.
    if (options.level > 0 && options.args.empty()) {
        const LevelLimits limits = levelLimits(options.level);
        installClockToolkit(options.progress);
        searchState.depthLimit[game.sideToMove] = limits.depth;
        searchState.timeLimit[game.sideToMove] = limits.seconds;
        return printThinkResult(think(), true);
    }
    if (!parseDepth(options, "think", depth, error)) return usageError(error);
    if (options.args.size() > 2) return usageError("think takes a depth and at most one time limit");
    // Without a time limit the time-out never fires; a limit of 0 fires at the first chance, which
    // leaves the classic player's best root move by static score, the strong one's after one ply.
    double seconds = std::numeric_limits<double>::infinity();
    if (options.args.size() == 2) {
        if (!parseSeconds(options.args[1], seconds) || seconds > 1e9)
            return usageError("think: time limit '" + options.args[1] + "' is not a number of seconds from 0 to 1e9");
        if (seconds == 0) seconds = std::numeric_limits<double>::min();
    }
    installClockToolkit(options.progress);
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = seconds;
    return printThinkResult(think(), true);
}
