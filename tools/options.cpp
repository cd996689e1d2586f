#include "tools/options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "strong/strong_think.h"

const char* const USAGE =
    "usage: tarnwick-cli [--size N] [--setup B] [--moves \"M1 M2 ...\"] COMMAND [ARGS]\n"
    "       tarnwick-cli --record FILE COMMAND [ARGS]\n"
    "\n"
    "Position options (the moves are played from the initial setup, side 0 first):\n"
    "  --size N        board size, 4 to 16 (default 8)\n"
    "  --setup B       initial setup, 0 to 8 (default 3)\n"
    "  --moves LIST    moves such as B1-B3 or C10xE12, separated by blanks or commas\n"
    "  --record FILE   a game record (- reads standard input): its size, setup and moves;\n"
    "                  goes with none of the three above\n"
    "\n"
    "Player options (the computer player of search, think, bench, selfplay and analyse):\n"
    "  --engine E      classic (the default) or strong, for both sides\n"
    "  --engine0 E, --engine1 E\n"
    "                  the engine of side 0 or of side 1 alone\n"
    "  --level N       level 1 (weakest) to 10 (strongest) for both sides: the strong player\n"
    "                  with the level's limits and imperfection; goes without --engine\n"
    "  --hash MB       size of each side's table of the strong player, 1 to 65536 (default 64)\n"
    "\n"
    "Commands:\n"
    "  show            the board, the side to move, pieces and groups per side\n"
    "  perft D         number of legal move sequences of length D\n"
    "  moves           legal moves of the side to move with their static scores, best first\n"
    "  eval            static evaluation, seen from the side that made the last move\n"
    "  stats           the six statistics of each side\n"
    "  search D        fixed-depth search: bestmove MOVE score S evals E, or for the strong\n"
    "                  player bestmove MOVE score S nodes N pv M1 M2 ... (the line it expects)\n"
    "  think D [SECONDS] [--progress]\n"
    "                  timed search with depth limit D and a time limit; the strong player\n"
    "                  adds depth C, the depth it completed, before its line. With --level,\n"
    "                  think alone thinks within the level's limits\n"
    "  bench           fixed suite of searches; prints the total evaluations (the fingerprint),\n"
    "                  with --engine strong the total nodes\n"
    "  selfplay [--depth D] [--time S] [--depth0 D] [--depth1 D] [--time0 S] [--time1 S]\n"
    "           [--max-moves M] [--games K] [--check] [--records DIR]\n"
    "                  games in which both sides think; --records writes each game's record\n"
    "                  to DIR/game-0001.txt, DIR/game-0002.txt, ...; with --level and no\n"
    "                  limits, both sides think within the level's limits\n"
    "  record          the game record of the moves: Size, Setup and Result tags, numbered\n"
    "                  moves and the result (1-0 side 0 has won, 0-1 side 1, * neither)\n"
    "  analyse D [--annotate FILE]\n"
    "                  (or analyze) every move of the game against search D, one line each:\n"
    "                  PLY MOVE played S best BEST B MARK, then a line per side:\n"
    "                  side K: N moves, Q marked ?, R marked ??\n"
    "                  B and BEST: search D before the move; S: the negated score\n"
    "                  of search D-1 after it (the evaluation for D = 1 or after the last move of\n"
    "                  a won game). MARK: ? when S is 1024 or more below B, ?? when 3072 or more,\n"
    "                  or when the move throws a decided win away or walks into a decided loss;\n"
    "                  never for the best move. On a terminal, standard error shows the progress.\n"
    "                  --annotate FILE also writes the game's record with each move's result\n"
    "                  in a comment after it, {S MARK best BEST B}, which every reader skips\n"
    "  match A B [--time S | --depth D] [--games K] [--openings PLIES] [--seed N]\n"
    "        [--max-moves M] [--records DIR] [--sprt ELO0 ELO1 [--alpha A] [--beta B]]\n"
    "        [--jobs J]\n"
    "                  games between players A and B, a line each: classic, strong, level:N,\n"
    "                  engine:COMMAND (a program speaking the engine protocol) or cli:PATH\n"
    "                  (a build of this tool, called once per move; cli:PATH:ENGINE adds\n"
    "                  --engine ENGINE). The games go over the --size and --setup lists; each\n"
    "                  opening (the setup and PLIES random moves, default 2) is played twice\n"
    "                  with the sides swapped. A level brings its limits, the others think S\n"
    "                  seconds a move (default 0.1) or search depth D. K games in all (default\n"
    "                  2, made even), M moves at most (default 400). An illegal or missing move\n"
    "                  loses the game. --sprt tests ELO0 against ELO1 over the game pairs and\n"
    "                  stops once it decides (error rates A and B, default 0.05); --jobs plays\n"
    "                  in J processes. Last line: A vs B: W wins, L losses, U unfinished,\n"
    "                  score P%, Elo E +- M (an unfinished game counts half; M: 95% interval)\n"
    "  engine          the engine protocol on standard input and output: isready, newgame,\n"
    "                  position [size N] [setup B] [moves ...], setoption engine|level|hash V,\n"
    "                  go depth D | movetime MS | infinite, stop, quit\n"
    "  levels          the limits of each level: a line LEVEL DEPTH SECONDS per level, after\n"
    "                  a header line\n"
    "  --help          this text\n";

bool parseSeconds(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value) && value >= 0 &&
           text.find_first_of("xXpPnN") == std::string::npos;  // no hex, no nan/inf spellings
}

namespace {

std::string parseTime(const std::string& option, const std::string& text, double& value) {
    if (!parseSeconds(text, value) || value > 1e6)
        return "option " + option + ": '" + text + "' is not a number of seconds from 0 to 1000000";
    return "";
}

// parseElo() reads an Elo difference of the --sprt test: a number from -2000 to 2000.
bool parseElo(const std::string& text, double& value) {
    double magnitude = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!parseSeconds(negative ? text.substr(1) : text, magnitude) || magnitude > 2000) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

// parseProbability() reads an error rate of the --sprt test, above 0 and below 0.5.
std::string parseProbability(const std::string& option, const std::string& text, double& value) {
    if (!parseSeconds(text, value) || value <= 0 || value >= 0.5)
        return "option " + option + ": '" + text + "' is not a probability above 0 and below 0.5";
    return "";
}

// parseSprt() reads the two Elo differences after --sprt at argv[i]: H0's, then H1's, larger.
std::string parseSprt(int argc, char** argv, int& i, CliOptions& o) {
    if (i + 2 >= argc) return "option --sprt needs two Elo differences, e.g. --sprt 0 10";
    const std::string low = argv[++i], high = argv[++i];
    if (!parseElo(low, o.sprtElo0) || !parseElo(high, o.sprtElo1) || o.sprtElo0 >= o.sprtElo1)
        return "option --sprt: '" + low + " " + high + "' is not two Elo differences from -2000 to 2000, the first below the second";
    o.sprtGiven = true;
    return "";
}

}  // namespace

std::string parseOptions(int argc, char** argv, CliOptions& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--sprt") {
            const std::string error = parseSprt(argc, argv, i, o);
            if (!error.empty()) return error;
            continue;
        }
        if (arg == "--progress" || arg == "--check") {
            (arg == "--check" ? o.check : o.progress) = true;
            continue;
        }
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc) return "option " + arg + " needs a value";
            const std::string value = argv[++i];
            long number = 0;
            std::string error;
            if (parsePositionOption(arg, value, true, o, error)) {
                if (!error.empty()) return error;
                continue;
            }
            if (arg == "--depth" || arg == "--depth0" || arg == "--depth1") {
                error = parseRanged(arg, value, 1, 30, number);
                if (arg != "--depth1") o.depth[0] = static_cast<int>(number);
                if (arg != "--depth0") o.depth[1] = static_cast<int>(number);
                o.depthGiven = true;
            } else if (arg == "--time" || arg == "--time0" || arg == "--time1") {
                double seconds = 0;
                error = parseTime(arg, value, seconds);
                if (arg != "--time1") o.time[0] = seconds;
                if (arg != "--time0") o.time[1] = seconds;
                o.timeGiven = true;
            } else if (arg == "--engine" || arg == "--engine0" || arg == "--engine1") {
                Engine engine = Engine::Classic;
                if (!parseEngine(value, engine))
                    return "option " + arg + ": '" + value + "' is not an engine (classic or strong)";
                if (arg != "--engine1") o.engine[0] = engine;
                if (arg != "--engine0") o.engine[1] = engine;
                o.engineGiven = true;
            } else if (arg == "--level") {
                error = parseRanged(arg, value, MIN_LEVEL, MAX_LEVEL, number);
                o.level = static_cast<int>(number);
            } else if (arg == "--hash") {
                error = parseRanged(arg, value, 1, MAX_TABLE_MEGABYTES, number);
                o.hashMegabytes = static_cast<int>(number);
            } else if (arg == "--openings") {
                error = parseRanged(arg, value, 0, 100, number);
                o.openingPlies = static_cast<int>(number);
            } else if (arg == "--seed") {
                error = parseRanged(arg, value, 0, 4294967295, number);
                o.seed = static_cast<unsigned long>(number);
            } else if (arg == "--max-moves") {
                error = parseRanged(arg, value, 1, 1000000, number);
                o.maxMoves = number;
                o.maxMovesGiven = true;
            } else if (arg == "--games") {
                error = parseRanged(arg, value, 1, 1000000, number);
                o.games = number;
                o.gamesGiven = true;
            } else if (arg == "--alpha" || arg == "--beta") {
                error = parseProbability(arg, value, arg == "--alpha" ? o.sprtAlpha : o.sprtBeta);
            } else if (arg == "--jobs") {
                error = parseRanged(arg, value, 1, 64, number);
                o.jobs = static_cast<int>(number);
            } else if (arg == "--annotate") {
                o.annotatePath = value;
                if (value.empty()) error = "option --annotate: the file name is empty";
            } else if (arg == "--records") {
                o.recordsDirectory = value;
                if (value.empty()) error = "option --records: the directory name is empty";
            } else {
                return "unknown option " + arg;
            }
            if (!error.empty()) return error;
            continue;
        }
        if (o.command.empty())
            o.command = arg;
        else
            o.args.push_back(arg);
    }
    if (o.level > 0 && o.engineGiven) return "option --level brings its own engine: it goes without --engine";
    if (!o.annotatePath.empty() && o.command != "analyse" && o.command != "analyze")
        return "option --annotate goes only with analyse";
    return checkPositionOptions(o);
}

void applyPlayerOptions(const CliOptions& options) {
    setStrongTableMegabytes(options.hashMegabytes);
    if (options.level > 0) {
        applyLevel(options.level);
        return;
    }
    chooseEngine(0, options.engine[0]);
    chooseEngine(1, options.engine[1]);
}
