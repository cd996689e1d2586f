#include "tools/options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

const char* const USAGE =
    "usage: tarnwick-cli [--size N] [--setup B] [--moves \"M1 M2 ...\"] COMMAND [ARGS]\n"
    "\n"
    "Position options (the moves are played from the initial setup, side 0 first):\n"
    "  --size N        board size, 4 to 16 (default 8)\n"
    "  --setup B       initial setup, 0 to 8 (default 3)\n"
    "  --moves LIST    moves such as B1-B3 or C10xE12, separated by blanks or commas\n"
    "\n"
    "Commands:\n"
    "  show            the board, the side to move, pieces and groups per side\n"
    "  perft D         number of legal move sequences of length D\n"
    "  moves           legal moves of the side to move with their static scores, best first\n"
    "  eval            static evaluation, seen from the side that made the last move\n"
    "  stats           the six statistics of each side\n"
    "  search D        fixed-depth search: bestmove MOVE score S evals E\n"
    "  think D [SECONDS] [--progress]\n"
    "                  timed search with depth limit D and a time limit\n"
    "  bench           fixed suite of searches; prints the total evaluations (the fingerprint)\n"
    "  selfplay [--depth D] [--time S] [--depth0 D] [--depth1 D] [--time0 S] [--time1 S]\n"
    "           [--max-moves M] [--games K] [--check]\n"
    "                  games in which both sides think\n"
    "  --help          this text\n";

bool parseInteger(const std::string& text, long& value) {
    if (text.empty() || text.size() > 12) return false;
    size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    value = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

bool parseSeconds(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value) && value >= 0 &&
           text.find_first_of("xXpPnN") == std::string::npos;  // no hex, no nan/inf spellings
}

namespace {

std::string parseRanged(const std::string& option, const std::string& text, long low, long high,
                        long& value) {
    if (!parseInteger(text, value) || value < low || value > high)
        return "option " + option + ": '" + text + "' is not a whole number from " + std::to_string(low) +
               " to " + std::to_string(high);
    return "";
}

// parseList() reads "A", "A-B" or comma-separated items of those, each within low..high.
std::string parseList(const std::string& option, const std::string& text, long low, long high,
                      std::vector<int>& values) {
    const std::string error = "option " + option + ": '" + text + "' is not a whole number from " +
                              std::to_string(low) + " to " + std::to_string(high) + " (or a list such as " +
                              std::to_string(low) + "-" + std::to_string(high) + ")";
    values.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = text.substr(start, comma - start);
        const size_t dash = item.find('-', 1);
        long first = 0, last = 0;
        if (!parseInteger(item.substr(0, dash), first)) return error;
        last = first;
        if (dash != std::string::npos && !parseInteger(item.substr(dash + 1), last)) return error;
        if (first < low || last > high || first > last) return error;
        for (long v = first; v <= last; ++v) values.push_back(static_cast<int>(v));
        start = comma + 1;
    }
    return "";
}

std::string parseTime(const std::string& option, const std::string& text, double& value) {
    if (!parseSeconds(text, value) || value > 1e6)
        return "option " + option + ": '" + text + "' is not a number of seconds from 0 to 1000000";
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
        if (arg == "--progress" || arg == "--check") {
            (arg == "--check" ? o.check : o.progress) = true;
            continue;
        }
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc) return "option " + arg + " needs a value";
            const std::string value = argv[++i];
            long number = 0;
            std::string error;
            if (arg == "--size") {
                error = parseList(arg, value, 4, 16, o.sizes);
                if (error.empty()) o.size = o.sizes.front();
            } else if (arg == "--setup") {
                error = parseList(arg, value, 0, 8, o.setups);
                if (error.empty()) o.setup = o.setups.front();
            } else if (arg == "--moves") {
                o.moves = value;
            } else if (arg == "--depth" || arg == "--depth0" || arg == "--depth1") {
                error = parseRanged(arg, value, 1, 30, number);
                if (arg != "--depth1") o.depth[0] = static_cast<int>(number);
                if (arg != "--depth0") o.depth[1] = static_cast<int>(number);
            } else if (arg == "--time" || arg == "--time0" || arg == "--time1") {
                double seconds = 0;
                error = parseTime(arg, value, seconds);
                if (arg != "--time1") o.time[0] = seconds;
                if (arg != "--time0") o.time[1] = seconds;
            } else if (arg == "--max-moves") {
                error = parseRanged(arg, value, 1, 1000000, number);
                o.maxMoves = number;
            } else if (arg == "--games") {
                error = parseRanged(arg, value, 1, 1000000, number);
                o.games = number;
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
    return "";
}
