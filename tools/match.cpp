// match: two players against each other over many games, each opening played twice with the sides
// swapped, and the first player's result with its Elo difference and 95% interval. The one measure of
// playing strength in the project: matches at equal time, sides swapped, over many games.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/notation.h"
#include "records/record.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "strong/strong_think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

namespace {

// Without --time or --depth the players that bring no limits of their own think 0.1 s a move.
constexpr double DEFAULT_MATCH_SECONDS = 0.1;
// Depth limit of a timed player: the largest the desktop's "max depth " field takes.
constexpr int TIMED_DEPTH_LIMIT = 30;
// A game that reaches this many moves (plies) without a winner is unfinished.
constexpr long DEFAULT_MATCH_MAX_MOVES = 400;
// Random openings that end the game or leave a side without a move are drawn again, this many times.
constexpr int OPENING_ATTEMPTS = 100;

// A player of the match as named on the command line: classic, strong, or level:N.
struct MatchPlayer {
    std::string name;
    Engine engine = Engine::Classic;
    int level = 0;  // 0: not a level
};

bool parsePlayer(const std::string& text, MatchPlayer& player) {
    player.name = text;
    if (parseEngine(text, player.engine)) return true;
    long level = 0;
    if (text.compare(0, 6, "level:") != 0 || !parseInteger(text.substr(6), level) || level < MIN_LEVEL ||
        level > MAX_LEVEL)
        return false;
    player.level = static_cast<int>(level);
    return true;
}

// seat() makes the player play for `side`, with its level's limits or those of the command line.
void seat(const MatchPlayer& player, int side, const CliOptions& options) {
    if (player.level > 0) {
        const LevelLimits limits = applyLevel(side, player.level);
        searchState.depthLimit[side] = limits.depth;
        searchState.timeLimit[side] = limits.seconds;
        return;
    }
    chooseEngine(side, player.engine);
    searchState.depthLimit[side] = options.depthGiven ? options.depth[0] : TIMED_DEPTH_LIMIT;
    searchState.timeLimit[side] = options.depthGiven ? 0 : options.timeGiven ? options.time[0] : DEFAULT_MATCH_SECONDS;
}

// An opening: a board, a setup and the random moves played from it, in notation.
struct Opening {
    int size, setup;
    std::string moves;
};

// drawOpening() plays `plies` random legal moves from the setup with the match's generator and keeps
// them, unless they end the game or leave the side to move without a move: then it draws again.
Opening drawOpening(int size, int setup, int plies, std::mt19937_64& random) {
    Opening opening{size, setup, ""};
    for (int attempt = 0; attempt < OPENING_ATTEMPTS; ++attempt) {
        startPosition(size, setup);
        startHistory();
        std::string moves;
        bool usable = true;
        for (int ply = 0; ply < plies && usable; ++ply) {
            std::vector<Move> legal;
            const int side = game.sideToMove;
            for (int id = side * 64; id < game.nextPieceId[side]; ++id)
                for (uint32_t dirs = game.pieces[id].moveDirs; dirs != 0; dirs &= dirs - 1)
                    legal.push_back(buildMove(id, __builtin_ctz(dirs)));
            if (legal.empty()) {
                usable = false;
                break;
            }
            const Move m = legal[random() % legal.size()];
            commitMove(m);
            moves += (moves.empty() ? "" : " ") + moveText(m);
            usable = winner() < 0;
        }
        if (usable && game.sideMoveCount[game.sideToMove] > 0) {
            opening.moves = moves;
            return opening;
        }
    }
    return opening;  // no usable random line: the bare setup
}

enum class Result { Side0Wins, Side1Wins, MoveCap, NoMove };

struct PlayedGame {
    Result result;
    long moves;
};

PlayedGame playGame(long maxMoves) {
    for (long played = game.historyPosition;; ++played) {
        const int won = winner();
        if (won >= 0) return {won == 0 ? Result::Side0Wins : Result::Side1Wins, played};
        if (played >= maxMoves) return {Result::MoveCap, played};
        if (!think()) return {Result::NoMove, played};
        commitMove(searchState.bestMove);
    }
}

const char* resultText(const PlayedGame& g) {
    switch (g.result) {
        case Result::Side0Wins: return "1-0";
        case Result::Side1Wins: return "0-1";
        case Result::MoveCap: return "* (move cap)";
        default: return "* (no legal move)";
    }
}

// eloOf() is the Elo difference that an expected score p (0..1) stands for.
double eloOf(double p) { return -400 * std::log10(1 / p - 1); }

// eloText() writes an Elo difference, "inf" or "-inf" where it has no finite value.
std::string eloText(double p) {
    if (p >= 1) return "inf";
    if (p <= 0) return "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", eloOf(p) + 0.0);
    return std::string(text) == "-0" ? "0" : text;
}

// summary() is the last line: A's wins, losses and unfinished games (each worth half), its score,
// the Elo difference of that score and the half-width of its 95% interval, from the spread of the
// games' results.
std::string summary(const MatchPlayer& a, const MatchPlayer& b, long wins, long losses, long unfinished) {
    const long games = wins + losses + unfinished;
    const double p = games > 0 ? (wins + 0.5 * unfinished) / games : 0.5;
    const double meanSquare = games > 0 ? (wins + 0.25 * unfinished) / games : 0.25;
    const double deviation = std::sqrt(std::max(0.0, meanSquare - p * p) / std::max(1L, games));
    const double low = p - 1.96 * deviation, high = p + 1.96 * deviation;
    std::string margin = "inf";
    if (low > 0 && high < 1) {
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", (eloOf(high) - eloOf(low)) / 2);
        margin = text;
    }
    char line[256];
    std::snprintf(line, sizeof line, "%s vs %s: %ld wins, %ld losses, %ld unfinished, score %.1f%%, Elo %s +- %s",
                  a.name.c_str(), b.name.c_str(), wins, losses, unfinished, 100 * p, eloText(p).c_str(),
                  margin.c_str());
    return line;
}

void showProgress(bool shown, long game, long games, long wins, long losses, long unfinished) {
    if (!shown) return;
    std::fprintf(stderr, "\rmatch: game %ld of %ld, %ld wins, %ld losses, %ld unfinished ", game, games, wins, losses,
                 unfinished);
    std::fflush(stderr);
}

}  // namespace

int commandMatch(const CliOptions& options) {
    if (options.args.size() != 2) return usageError("match needs two players, e.g. match strong classic");
    MatchPlayer contenders[2];
    for (int k = 0; k < 2; ++k)
        if (!parsePlayer(options.args[k], contenders[k]))
            return usageError("match: '" + options.args[k] + "' is not a player (classic, strong or level:1 to level:10)");
    if (options.depthGiven && options.timeGiven) return usageError("match takes --time or --depth, not both");
    if (options.level > 0 || options.engineGiven)
        return usageError("match names its players itself: it goes without --engine and --level");
    if (options.movesGiven || !options.recordPath.empty())
        return usageError("match plays its own openings: it goes without --moves and --record");
    const std::string directoryError = makeRecordsDirectory(options.recordsDirectory);
    if (!directoryError.empty()) return usageError(directoryError);
    installClockToolkit(false);

    const long games = options.games + options.games % 2;
    const long maxMoves = options.maxMovesGiven ? options.maxMoves : DEFAULT_MATCH_MAX_MOVES;
    const bool progress = isatty(fileno(stderr));
    std::mt19937_64 random(options.seed);
    long wins = 0, losses = 0, unfinished = 0;
    Opening opening{};
    for (long g = 0; g < games; ++g) {
        // Openings go round the sizes and setups, setups fastest; each is played twice.
        const long k = g / 2;
        if (g % 2 == 0)
            opening = drawOpening(options.sizes[(k / options.setups.size()) % options.sizes.size()],
                                  options.setups[k % options.setups.size()], options.openingPlies, random);
        const int sideOfA = static_cast<int>(g % 2);
        PositionOptions start;
        start.size = opening.size;
        start.setup = opening.setup;
        start.moves = opening.moves;
        const std::string error = setUpGame(start);
        if (!error.empty()) return errorExit("match: opening: " + error, 1);
        seat(contenders[0], sideOfA, options);
        seat(contenders[1], 1 - sideOfA, options);
        strongNewGame();
        showProgress(progress, g + 1, games, wins, losses, unfinished);
        const PlayedGame played = playGame(maxMoves);
        const bool decided = played.result == Result::Side0Wins || played.result == Result::Side1Wins;
        const int winnerSide = played.result == Result::Side0Wins ? 0 : 1;
        const char* verdict = !decided ? "unfinished" : winnerSide == sideOfA ? "A wins" : "B wins";
        if (!decided) ++unfinished;
        else if (winnerSide == sideOfA) ++wins;
        else ++losses;
        if (progress) std::fprintf(stderr, "\r%70s\r", "");
        std::printf("game %ld: size %d setup %d opening \"%s\": side 0 %s, side 1 %s: %s after %ld moves, %s\n",
                    g + 1, opening.size, opening.setup, opening.moves.c_str(), contenders[sideOfA].name.c_str(),
                    contenders[1 - sideOfA].name.c_str(), resultText(played), played.moves, verdict);
        std::fflush(stdout);
        if (!options.recordsDirectory.empty()) {
            const std::string writeError = writeGameRecord("match", options.recordsDirectory, g + 1);
            if (!writeError.empty()) return errorExit(writeError, 1);
        }
    }
    std::printf("%s\n", summary(contenders[0], contenders[1], wins, losses, unfinished).c_str());
    return 0;
}
