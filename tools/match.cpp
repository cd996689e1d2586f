// match: two players against each other over many games, each opening played twice with the sides
// swapped, and the first player's result with its Elo difference and 95% interval; with --sprt, a
// sequential test over the game pairs that ends the match once its result is clear. The one measure
// of playing strength in the project: matches at equal time, sides swapped, over many games.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "protocol/line_reader.h"
#include "records/notation.h"
#include "records/record.h"
#include "strong/strong_think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"
#include "tools/match_players.h"
#include "tools/match_statistics.h"

namespace {

// Without --time or --depth the players that bring no limits of their own think 0.1 s a move.
constexpr double DEFAULT_MATCH_SECONDS = 0.1;
// Depth limit of a timed player: the largest the desktop's "max depth " field takes.
constexpr int TIMED_DEPTH_LIMIT = 30;
// A game that reaches this many moves (plies) without a winner is unfinished.
constexpr long DEFAULT_MATCH_MAX_MOVES = 400;
// With --sprt and no --games, the match ends at the latest after this many games.
constexpr long SPRT_GAME_LIMIT = 100000;
// Random openings that end the game or leave a side without a move are drawn again, this many times.
constexpr int OPENING_ATTEMPTS = 100;

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

// The openings of a match in order: they go round the sizes and setups, setups fastest.
struct Openings {
    const CliOptions& options;
    std::mt19937_64 random;
    long drawn = 0;

    explicit Openings(const CliOptions& o) : options(o), random(o.seed) {}
    Opening next() {
        const long k = drawn++;
        return drawOpening(options.sizes[(k / options.setups.size()) % options.sizes.size()],
                           options.setups[k % options.setups.size()], options.openingPlies, random);
    }
};

enum class Outcome { AWins, BWins, Unfinished };

// One game's result as the match reports it: its outcome for A and its line.
struct GameReport {
    long number;  // from 1
    Outcome outcome;
    std::string line;
};

// The referee's view of a game: how it ended, after how many moves, and who forfeited why.
struct Refereed {
    const char* result;  // "1-0", "0-1", "* (move cap)", "* (no legal move)"
    int winner;          // the side that won, -1 for none
    long moves;
    std::string forfeit;  // "side K forfeits: WHY", or ""
};

// referee() plays the game on the board to its end, asking the player of the side to move for each
// move and checking it: an illegal move, no move while a legal one exists, or no answer at all loses
// the game for that side.
Refereed referee(MatchPlayer* bySide[2], const Opening& opening, long maxMoves) {
    for (long played = game.historyPosition;; ++played) {
        const int won = winner();
        if (won >= 0) return {won == 0 ? "1-0" : "0-1", won, played, ""};
        if (played >= maxMoves) return {"* (move cap)", -1, played, ""};
        const int side = game.sideToMove;
        std::string moves;  // the opening's and the game's, all in the history
        for (int i = 0; i < game.historyPosition; ++i)
            moves += (i ? " " : "") + moveText(gameHistory.historyMoves[i]);
        const MatchAnswer answer = bySide[side]->chooseMove({opening.size, opening.setup, moves});
        std::string why;
        if (answer.kind == MatchAnswer::NoMove) {
            if (game.sideMoveCount[side] == 0) return {"* (no legal move)", -1, played, ""};
            why = "no move given, with " + std::to_string(game.sideMoveCount[side]) + " legal moves";
        } else if (answer.kind == MatchAnswer::Failed) {
            why = answer.text;
        } else {
            MoveText text;
            Move m;
            if (!parseMoveText(answer.text, text)) why = "'" + answer.text.substr(0, 40) + "' is not a move";
            else if (const std::string reason = findLegalMove(text, m); !reason.empty())
                why = "illegal move '" + answer.text + "': " + reason;
            else {
                commitMove(m);
                continue;
            }
        }
        return {side == 0 ? "0-1" : "1-0", 1 - side, played, "side " + std::to_string(side) + " forfeits: " + why};
    }
}

// playGame() plays game number g (from 1) of the opening, A on side sideOfA, and reports it.
GameReport playGame(long g, const Opening& opening, int sideOfA, MatchPlayer* const contenders[2], const CliOptions& options,
                    long maxMoves, std::string& error) {
    PositionOptions start;
    start.size = opening.size;
    start.setup = opening.setup;
    start.moves = opening.moves;
    error = setUpGame(start);
    if (!error.empty()) {
        error = "match: opening: " + error;
        return {};
    }
    MatchPlayer* bySide[2] = {contenders[sideOfA == 0 ? 0 : 1], contenders[sideOfA == 0 ? 1 : 0]};
    bySide[0]->startGame(0);
    bySide[1]->startGame(1);
    strongNewGame();
    const Refereed played = referee(bySide, opening, maxMoves);
    const Outcome outcome = played.winner < 0 ? Outcome::Unfinished : played.winner == sideOfA ? Outcome::AWins : Outcome::BWins;
    const char* verdict = outcome == Outcome::AWins ? "A wins" : outcome == Outcome::BWins ? "B wins" : "unfinished";
    char head[256];
    std::snprintf(head, sizeof head, "game %ld: size %d setup %d opening \"", g, opening.size, opening.setup);
    std::string line = head + opening.moves + "\": side 0 " + bySide[0]->name() + ", side 1 " + bySide[1]->name() +
                       ": " + played.result + " after " + std::to_string(played.moves) + " moves, " + verdict;
    if (!played.forfeit.empty()) line += ": " + played.forfeit;
    if (!options.recordsDirectory.empty()) error = writeGameRecord("match", options.recordsDirectory, g);
    return {g, outcome, line};
}

// The tally of the games reported so far, in the order of their numbers.
struct Tally {
    long wins = 0, losses = 0, unfinished = 0;
    PairResults pairs;
    int pairPoints = 0;  // A's half points in the pair under way: 2 a win, 1 an unfinished game
};

void count(Tally& t, const GameReport& r) {
    const int halfPoints = r.outcome == Outcome::AWins ? 2 : r.outcome == Outcome::Unfinished ? 1 : 0;
    if (r.outcome == Outcome::AWins) ++t.wins;
    else if (r.outcome == Outcome::BWins) ++t.losses;
    else ++t.unfinished;
    t.pairPoints += halfPoints;
    if (r.number % 2 == 0) {
        ++t.pairs.pairs[t.pairPoints];
        t.pairPoints = 0;
    }
}

void showProgress(bool shown, long played, long games, const Tally& t) {
    if (!shown) return;
    std::fprintf(stderr, "\rmatch: game %ld of %ld, %ld wins, %ld losses, %ld unfinished ", played, games, t.wins,
                 t.losses, t.unfinished);
    std::fflush(stderr);
}

// What a match needs from the command line.
struct MatchSetup {
    const CliOptions& options;
    MatchPlayer* contenders[2];
    long games, maxMoves;
    int jobs;
};

// playShare() plays the game pairs whose number k has k % jobs == job, in order, handing each game's
// report to `report`, which returns false to end the match. Returns "" or an error.
template <typename Report>
std::string playShare(const MatchSetup& m, int job, Report report) {
    Openings openings(m.options);
    for (long k = 0; 2 * k < m.games; ++k) {
        const Opening opening = openings.next();
        if (k % m.jobs != job) continue;
        m.contenders[0]->startPair();
        m.contenders[1]->startPair();
        bool goOn = true;
        std::string error;
        for (int sideOfA = 0; sideOfA < 2 && goOn && error.empty(); ++sideOfA) {
            const GameReport r = playGame(2 * k + sideOfA + 1, opening, sideOfA, m.contenders, m.options, m.maxMoves, error);
            if (error.empty()) goOn = report(r);
        }
        m.contenders[0]->endPair();
        m.contenders[1]->endPair();
        if (!error.empty()) return error;
        if (!goOn) break;
    }
    return "";
}

// The reports of the games in the order of their numbers, whichever job played them: a report
// waits until every game before it has been reported.
class InOrder {
public:
    InOrder(const CliOptions& options, long games, bool progress) : options_(options), games_(games), progress_(progress) {}

    // take() prints and counts the reports that are due; false once the match is decided or over.
    bool take(const GameReport& r) {
        waiting_[r.number] = r;
        for (auto next = waiting_.find(done_ + 1); next != waiting_.end(); next = waiting_.find(done_ + 1)) {
            if (progress_) std::fprintf(stderr, "\r%70s\r", "");
            std::printf("%s\n", next->second.line.c_str());
            std::fflush(stdout);
            count(tally_, next->second);
            waiting_.erase(next);
            ++done_;
            if (decided()) return false;
            showProgress(progress_, done_ + 1, games_, tally_);
        }
        return done_ < games_;
    }

    const Tally& tally() const { return tally_; }
    SprtTest sprtTest() const { return {options_.sprtElo0, options_.sprtElo1, options_.sprtAlpha, options_.sprtBeta}; }

private:
    // decided() tells whether the test has its answer, looked at after each whole pair.
    bool decided() const {
        if (!options_.sprtGiven || done_ % 2 != 0) return false;
        const SprtTest test = sprtTest();
        return sprtVerdict(test, sprtLogLikelihoodRatio(test, tally_.pairs)) != SprtVerdict::Undecided;
    }

    const CliOptions& options_;
    long games_;
    bool progress_;
    long done_ = 0;
    std::map<long, GameReport> waiting_;
    Tally tally_;
};

// A job's reports travel to the match's process as lines: the game's number, A's outcome (0 A wins,
// 1 B wins, 2 unfinished) and the game's line; an error as "error" and its message.
std::string reportLine(const GameReport& r) {
    return std::to_string(r.number) + " " + std::to_string(static_cast<int>(r.outcome)) + " " + r.line;
}

bool readReport(const std::string& text, GameReport& r) {
    long outcome = -1;
    const size_t first = text.find(' '), second = text.find(' ', first + 1);
    if (second == std::string::npos || !parseInteger(text.substr(0, first), r.number) ||
        !parseInteger(text.substr(first + 1, second - first - 1), outcome) || outcome < 0 || outcome > 2)
        return false;
    r.outcome = static_cast<Outcome>(outcome);
    r.line = text.substr(second + 1);
    return true;
}

// runJobs() plays the match in `jobs` processes of its own, each a share of the pairs with its own
// players, and takes their reports in order. A job's process group holds the programs it started,
// so that ending a job ends them too.
std::string runJobs(const MatchSetup& m, InOrder& inOrder) {
    std::vector<pid_t> pids;
    std::vector<LineReader> readers;
    for (int job = 0; job < m.jobs; ++job) {
        int fds[2];
        if (pipe(fds) != 0) return "match: cannot make a pipe for a job";
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid < 0) return "match: cannot start a job";
        if (pid == 0) {
            setpgid(0, 0);
            close(fds[0]);
            std::FILE* out = fdopen(fds[1], "w");
            const std::string error = playShare(m, job, [out](const GameReport& r) {
                std::fprintf(out, "%s\n", reportLine(r).c_str());
                std::fflush(out);
                return true;
            });
            if (!error.empty()) std::fprintf(out, "error %s\n", error.c_str());
            std::fclose(out);
            _exit(error.empty() ? 0 : 1);
        }
        setpgid(pid, pid);
        close(fds[1]);
        pids.push_back(pid);
        LineReader reader;
        reader.fd = fds[0];
        readers.push_back(reader);
    }
    std::string error;
    bool going = true;
    size_t open = readers.size();
    while (going && open > 0 && error.empty()) {
        std::vector<pollfd> wanted;
        for (const LineReader& r : readers) wanted.push_back({r.fd, POLLIN, 0});
        poll(wanted.data(), wanted.size(), 1000);
        for (LineReader& reader : readers) {
            std::string line;
            LineRead read = LineRead::NotYet;
            while (going && error.empty() && (read = readLine(reader, line, 0)) == LineRead::Line) {
                GameReport r;
                if (line.rfind("error ", 0) == 0) error = line.substr(6);
                else if (!readReport(line, r)) error = "match: a job reported '" + line.substr(0, 80) + "'";
                else going = inOrder.take(r);
            }
            if (read == LineRead::End && reader.fd >= 0) {
                close(reader.fd);
                reader.fd = -1;
                --open;
            }
        }
    }
    // A decided test or an error leaves jobs playing: they and what they started end now.
    if (!going || !error.empty())
        for (pid_t pid : pids) kill(-pid, SIGKILL);
    for (pid_t pid : pids) waitpid(pid, nullptr, 0);
    for (LineReader& reader : readers)
        if (reader.fd >= 0) close(reader.fd);
    return error;
}

}  // namespace

int commandMatch(const CliOptions& options) {
    if (options.args.size() != 2) return usageError("match needs two players, e.g. match strong classic");
    if (options.depthGiven && options.timeGiven) return usageError("match takes --time or --depth, not both");
    if (options.level > 0 || options.engineGiven)
        return usageError("match names its players itself: it goes without --engine and --level");
    if (options.movesGiven || !options.recordPath.empty())
        return usageError("match plays its own openings: it goes without --moves and --record");
    if (!options.sprtGiven && (options.sprtAlpha != 0.05 || options.sprtBeta != 0.05))
        return usageError("match takes --alpha and --beta only with --sprt");
    const MatchLimits limits = options.depthGiven ? MatchLimits{options.depth[0], 0}
                                                  : MatchLimits{TIMED_DEPTH_LIMIT, options.timeGiven ? options.time[0] : DEFAULT_MATCH_SECONDS};
    std::unique_ptr<MatchPlayer> players[2];
    for (int k = 0; k < 2; ++k) {
        std::string error;
        players[k] = makeMatchPlayer(options.args[k], limits, error);
        if (!players[k]) return usageError(error);
    }
    const std::string directoryError = makeRecordsDirectory(options.recordsDirectory);
    if (!directoryError.empty()) return usageError(directoryError);
    installClockToolkit(false);

    const long asked = options.sprtGiven && !options.gamesGiven ? SPRT_GAME_LIMIT : options.games;
    const long games = asked + asked % 2;
    const long maxMoves = options.maxMovesGiven ? options.maxMoves : DEFAULT_MATCH_MAX_MOVES;
    const bool progress = isatty(fileno(stderr));
    const MatchSetup setup{options, {players[0].get(), players[1].get()}, games, maxMoves, options.jobs};
    InOrder inOrder(options, games, progress);
    showProgress(progress, 1, games, inOrder.tally());
    const std::string error = options.jobs > 1
                                  ? runJobs(setup, inOrder)
                                  : playShare(setup, 0, [&inOrder](const GameReport& r) { return inOrder.take(r); });
    if (progress) std::fprintf(stderr, "\r%70s\r", "");
    if (!error.empty()) return errorExit(error, 1);
    const Tally& t = inOrder.tally();
    if (options.sprtGiven) std::printf("%s\n", sprtLine(inOrder.sprtTest(), t.pairs).c_str());
    std::printf("%s\n", scoreSummary(players[0]->name(), players[1]->name(), t.wins, t.losses, t.unfinished).c_str());
    return 0;
}
