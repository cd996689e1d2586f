#include "ui/game_analysis.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Value_Input.H>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/annotations.h"
#include "position/game_state.h"
#include "position/history.h"
#include "search/search.h"
#include "ui/evaluation_graph.h"
#include "ui/fltk_toolkit.h"
#include "ui/game_widgets.h"
#include "ui/move_list.h"
#include "ui/widgets.h"

namespace {

GameAnalysis analysis;
bool running = false;
bool stopped = false;  // the last analysis was stopped before its end

// readDepth() reads the field as a whole number within its range and shows the value used.
int readDepth() {
    if (!analysisDepthInput) return DEFAULT_ANALYSIS_DEPTH;
    const double typed = analysisDepthInput->value();
    const int depth = std::isnan(typed) ? MIN_ANALYSIS_DEPTH
                                        : static_cast<int>(std::clamp<double>(std::trunc(typed), MIN_ANALYSIS_DEPTH,
                                                                              MAX_ANALYSIS_DEPTH));
    analysisDepthInput->value(depth);
    return depth;
}

void showFound() {
    refreshMoveList();
    refreshGraph();
    showAnalysisProgress();
}

void endAnalysis(bool beforeItsEnd);

// onAnalysisStep() is the idle callback that analyses one move. Events come first: it waits while any
// is there, and a move's searches interrupted by one are thrown away and run again on the next round.
// It never runs inside a think of the computer, whose position the board then has.
void onAnalysisStep(void*) {
    if (thinking || eventsWaiting()) return;
    bool interrupted = false;
    {
        EventsHeldBack held(&searchState.stopRequested);
        analyseNextMove(analysis);
        interrupted = held.interrupted();
    }
    if (interrupted) {
        analysis.moves.pop_back();
        return;
    }
    if (analysisComplete(analysis))
        endAnalysis(false);
    else
        showFound();
}

void endAnalysis(bool beforeItsEnd) {
    Fl::remove_idle(onAnalysisStep);
    running = false;
    stopped = beforeItsEnd;
    showFound();
}

}  // namespace

const GameAnalysis& windowAnalysis() { return analysis; }

bool canAnalyseGame() { return !thinking && !running && gameHistory.historyLength > 0; }

bool gameAnalysisRunning() { return running; }

void analyseGame() {
    if (canAnalyseGame()) analyseGameAt(readDepth());
}

void analyseGameAt(int depth) {
    if (!canAnalyseGame()) return;
    GameRecord line;
    line.size = game.boardSize;
    line.setup = game.setupNumber;
    line.moves.assign(gameHistory.historyMoves.begin(), gameHistory.historyMoves.begin() + gameHistory.historyLength);
    analysis = startGameAnalysis(line, depth);
    running = true;
    stopped = false;
    Fl::add_idle(onAnalysisStep);
    showFound();
}

void stopGameAnalysis() {
    if (running) endAnalysis(true);
}

void showRecordAnalysis(const GameRecord& record) {
    stopGameAnalysis();
    analysis = analysisFromRecord(record);
    stopped = false;
    showFound();
}

void gameAnalysisFollows(GameChange change) {
    if (change == GameChange::Navigated) return;
    stopGameAnalysis();
    if (change == GameChange::GameReplaced) {
        analysis = GameAnalysis{};
        stopped = false;
    }
}

std::string analysisProgressText() {
    const size_t done = analysis.moves.size(), total = analysis.line.moves.size();
    if (analysis.depth == 0 || total == 0) return "";
    const size_t shown = running ? done + 1 : done;
    return std::string(stopped ? "stopped at " : "") + "move " + std::to_string(shown) + " of " + std::to_string(total);
}

// The bar shows the moves analysed of the line's; its text the move being analysed, or where the last
// analysis ended.
void showAnalysisProgress() {
    if (!analysisProgress) return;
    const size_t done = analysis.moves.size(), total = analysis.line.moves.size();
    const std::string text = analysisProgressText();
    analysisProgress->maximum(std::max<float>(static_cast<float>(total), 1));
    analysisProgress->value(analysis.depth > 0 ? static_cast<float>(done) : 0);
    analysisProgress->copy_label(text.c_str());
    if (running) {
        analyseGameButton->deactivate();
        stopAnalysisButton->activate();
    } else {
        analyseGameButton->activate();
        stopAnalysisButton->deactivate();
    }
}
