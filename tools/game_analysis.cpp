// analyse: the computer's view of every move of a game line (analysis/game_analysis.h), a line per move
// and a line per side, and with --annotate the annotated record of the line.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "analysis/annotations.h"
#include "analysis/game_analysis.h"
#include "files/atomic_file.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "records/record.h"
#include "tools/cli_toolkit.h"
#include "tools/commands.h"

namespace {

// The progress line goes to a terminal only, and is rubbed out when the analysis ends.
void showProgress(bool shown, size_t ply, size_t plies, const Move& m) {
    if (!shown) return;
    std::fprintf(stderr, "\ranalysing move %zu of %zu: %-8s", ply, plies, moveText(m).c_str());
    std::fflush(stderr);
}

void clearProgress(bool shown) {
    if (shown) std::fprintf(stderr, "\r%50s\r", "");
}

void printMove(size_t ply, const MoveAnalysis& move) {
    const std::string mark = markText(move.mark);
    std::printf("%zu %s played %d best %s %d%s%s\n", ply, moveText(move.played).c_str(), move.score,
                moveText(move.best).c_str(), move.bestScore, mark.empty() ? "" : " ", mark.c_str());
    std::fflush(stdout);
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
    GameAnalysis analysis = startGameAnalysis(line, depth);
    const bool progress = isatty(fileno(stderr));
    long moves[2] = {0, 0}, dubious[2] = {0, 0}, blunders[2] = {0, 0};
    while (!analysisComplete(analysis)) {
        const size_t ply = analysis.moves.size();
        showProgress(progress, ply + 1, line.moves.size(), line.moves[ply]);
        analyseNextMove(analysis);
        const MoveAnalysis& move = analysis.moves.back();
        const int side = static_cast<int>(ply % 2);
        ++moves[side];
        dubious[side] += move.mark == Mark::Dubious;
        blunders[side] += move.mark == Mark::Blunder;
        clearProgress(progress);
        printMove(ply + 1, move);
    }
    for (int side = 0; side < 2; ++side)
        std::printf("side %d: %ld moves, %ld marked ?, %ld marked ??\n", side, moves[side], dubious[side], blunders[side]);
    if (!options.annotatePath.empty()) {
        const std::string failed = writeFileAtomically(options.annotatePath, recordText("", annotationComments(analysis)));
        if (!failed.empty()) return errorExit(std::string(name) + ": cannot write '" + options.annotatePath + "': " + failed, 1);
    }
    return 0;
}
