// bench: a fixed suite of fixed-depth searches. The total number of evaluations is the engine's
// fingerprint: it changes only when the engine's results change.
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "position/game_state.h"
#include "records/notation.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

namespace {

struct BenchCase {
    int size, setup;
    const char* moves;
    int depth;        // of the classic player
    int strongDepth;  // of the strong player
};

// Opening positions of several sizes and setups, and middle games reached by fixed move lists,
// one of them already won for the side to move.
const BenchCase kBenchCases[] = {
    {8, 3, "", 7, 8},
    {8, 3, "F1-D3 H7-H1 C8-C6 A2-C4", 7, 8},
    {6, 4, "", 7, 8},
    {6, 4, "B1-B3 E1-C3 A2-D5 F3xB3 A3-C5 F2xC5", 9, 9},
    {9, 2, "", 7, 7},
    {10, 1, "E2-E4 B6-D4 B3-D3 B7xE4 D2-F4 B8-D8 B4-D6 E9-G7 I7xG7 I5xG7", 7, 7},
    {11, 0, "", 7, 6},
    {12, 5, "C1xA3 L10xJ12 K12-I10 L7xI10 G12xI10 A2-C4 F1xC4 A6xC4", 7, 6},
    {14, 7, "", 5, 5},
    {16, 8, "F2xB6 F15xB11 K15xO11 K2xO6 P6xL2 A6xE2", 7, 5},
};

}  // namespace

// The classic player counts evaluations, the strong one the positions it visits; each case starts
// the strong player from an empty table.
int commandBench(const CliOptions& options) {
    if (!options.args.empty()) return usageError("bench takes no arguments");
    if (options.level > 0) return usageError("bench takes --engine, not --level");
    if (options.engine[0] != options.engine[1]) return usageError("bench takes one engine for both sides");
    const bool strong = options.engine[0] == Engine::Strong;
    const char* unit = strong ? "nodes" : "evals";
    installClockToolkit(false);
    uint64_t total = 0;
    double seconds = 0;
    for (const BenchCase& c : kBenchCases) {
        CliOptions position;
        position.size = c.size;
        position.setup = c.setup;
        position.moves = c.moves;
        const std::string error = setUpGame(position);
        if (!error.empty()) return usageError("bench position: " + error);
        const int depth = strong ? c.strongDepth : c.depth;
        searchState.depthLimit[game.sideToMove] = depth;
        searchState.timeLimit[game.sideToMove] = 0;
        const auto start = std::chrono::steady_clock::now();
        const bool found = think();
        const double caseSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        seconds += caseSeconds;
        const uint64_t count = strong ? searchState.nodeCount : game.evaluationCount;
        total += count;
        // The result comes first and stays as it was; the time and the rate follow it.
        std::printf("size %d setup %d depth %d moves \"%s\": bestmove %s score %d %s %" PRIu64
                    " | %.6f s, %.0f %s/s\n",
                    c.size, c.setup, depth, c.moves, found ? moveText(searchState.bestMove).c_str() : "none",
                    searchState.bestMove.score, unit, count, caseSeconds, caseSeconds > 0 ? count / caseSeconds : 0.0,
                    unit);
    }
    std::printf("Total %s: %" PRIu64 "\n", strong ? "nodes" : "evaluations", total);
    std::printf("%s per second: %.0f\n", strong ? "Nodes" : "Evaluations", seconds > 0 ? total / seconds : 0.0);
    return 0;
}
