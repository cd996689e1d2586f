// selfplay: games in which the computer plays both sides, each with its own limits, optionally
// with the position checker and the check of the evaluation's kept distances after every move.
#include <cstdio>
#include <string>

#include "moves/evaluate.h"
#include "position/checker.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "records/record.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "strong/strong_think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

namespace {

enum class Outcome { Side0Wins, Side1Wins, NoMove, Capped, CheckFailed };

struct PlayedGame {
    Outcome outcome;
    long moves;
};

// playGame() plays one game from the current position and prints its moves on one line.
PlayedGame playGame(const CliOptions& o) {
    long played = 0;
    std::string line;
    for (;;) {
        const int won = winner();
        if (won >= 0) {
            std::printf("%s\n", line.c_str());
            return {won == 0 ? Outcome::Side0Wins : Outcome::Side1Wins, played};
        }
        if (played >= o.maxMoves) {
            std::printf("%s\n", line.c_str());
            return {Outcome::Capped, played};
        }
        const int side = game.sideToMove;
        searchState.depthLimit[side] = o.depth[side];
        searchState.timeLimit[side] = o.time[side];
        if (!think()) {
            std::printf("%s\n", line.c_str());
            return {Outcome::NoMove, played};
        }
        const Move m = searchState.bestMove;
        commitMove(m);
        ++played;
        line += (line.empty() ? "" : " ") + moveText(m);
        if (o.check) {
            std::string fault = checkPosition();
            if (fault.empty()) fault = distanceCacheFault();
            if (!fault.empty()) {
                std::printf("%s\n", line.c_str());
                std::fprintf(stderr, "tarnwick-cli: position check failed after move %ld %s: %s\n", played,
                             moveText(m).c_str(), fault.c_str());
                return {Outcome::CheckFailed, played};
            }
        }
    }
}

void printResult(const PlayedGame& r, const CliOptions& o) {
    switch (r.outcome) {
        case Outcome::Side0Wins:
        case Outcome::Side1Wins:
            std::printf("result: side %d connected all its pieces after %ld moves\n",
                        r.outcome == Outcome::Side0Wins ? 0 : 1, r.moves);
            break;
        case Outcome::NoMove:
            std::printf("result: side %d has no legal move after %ld moves\n", game.sideToMove, r.moves);
            break;
        case Outcome::Capped:
            std::printf("result: move cap of %ld reached\n", o.maxMoves);
            break;
        case Outcome::CheckFailed:
            std::printf("result: position check failed after %ld moves\n", r.moves);
            break;
    }
}

}  // namespace

// With one game the position options (moves included) give the start; with --games K the games go
// round the sizes and setups given, each from its initial setup.
int commandSelfplay(const CliOptions& options) {
    if (!options.args.empty()) return usageError("selfplay takes options only");
    const size_t combinations = options.sizes.size() * options.setups.size();
    const bool series = options.games > 1 || combinations > 1;
    if (series && !options.moves.empty())
        return usageError("selfplay: --moves is for one game; with --games or lists every game starts from its setup");
    if (series && !options.recordPath.empty())
        return usageError("selfplay: --record is for one game; with --games or lists every game starts from its setup");
    const std::string directoryError = makeRecordsDirectory(options.recordsDirectory);
    if (!directoryError.empty()) return usageError(directoryError);
    installClockToolkit(false);
    // A level brings its limits unless the command line sets them.
    CliOptions limits = options;
    if (options.level > 0 && !options.depthGiven && !options.timeGiven) {
        const LevelLimits level = levelLimits(options.level);
        for (int side = 0; side < 2; ++side) {
            limits.depth[side] = level.depth;
            limits.time[side] = level.seconds;
        }
    }
    long wins[2] = {0, 0}, unfinished = 0, longest = 0;
    // Games go round the combinations, setups fastest: with --size 4-16 --setup 0-8 --games 117
    // every pair is played once.
    for (long g = 0; g < options.games; ++g) {
        CliOptions start = options;
        if (series) {
            start.size = options.sizes[(g / options.setups.size()) % options.sizes.size()];
            start.setup = options.setups[g % options.setups.size()];
            std::printf("game %ld: size %d setup %d\n", g + 1, start.size, start.setup);
            const std::string error = setUpGame(start);
            if (!error.empty()) return usageError(error);
        }
        strongNewGame();
        const PlayedGame r = playGame(limits);
        printResult(r, options);
        if (!options.recordsDirectory.empty()) {
            const std::string error = writeGameRecord("selfplay", options.recordsDirectory, g + 1);
            if (!error.empty()) return errorExit(error, 1);
        }
        if (r.outcome == Outcome::CheckFailed) return 1;
        if (r.outcome == Outcome::Side0Wins) ++wins[0];
        else if (r.outcome == Outcome::Side1Wins) ++wins[1];
        else ++unfinished;
        if (r.moves > longest) longest = r.moves;
    }
    if (series)
        std::printf("%ld games: %ld wins for side 0, %ld wins for side 1, %ld unfinished (longest game %ld moves)\n",
                    options.games, wins[0], wins[1], unfinished, longest);
    return 0;
}
