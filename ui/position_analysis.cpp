#include "ui/position_analysis.h"

#include <FL/Fl.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Multiline_Output.H>

#include <limits>

#include "position/game_state.h"
#include "position/position_key.h"
#include "records/notation.h"
#include "strong/move_picker.h"
#include "strong/strong_think.h"
#include "ui/fltk_toolkit.h"
#include "ui/game_widgets.h"
#include "ui/think_button.h"
#include "ui/widgets.h"

namespace {

bool on = false;
uint8_t stopFlag = 0;
// The position whose line is shown, and the depth of that line: a think started again after an event
// goes through the shallow depths once more, which show nothing new.
uint64_t shownKey = 0;
int shownDepth = 0;
std::string lineText;

void showLine(const std::string& text) {
    lineText = text;
    if (positionLine) positionLine->value(text.c_str());
}

// showIteration() shows an iteration deeper than the line shown, and draws it at once: the search goes
// on right after.
void showIteration(const StrongIteration& iteration) {
    if (iteration.depth <= shownDepth) return;
    shownDepth = iteration.depth;
    showLine("depth " + std::to_string(iteration.depth) + "  score " + std::to_string(iteration.score) + " " +
             variationText(*iteration.variation));
    Fl::flush();
}

// whyNot() is why the position cannot be analysed, or "".
std::string whyNot() {
    if (gameDecided()) return "the game is over";
    if (game.sideMoveCount[game.sideToMove] == 0) return "no legal move";
    return "";
}

// onAnalysisTurn() is the idle callback that thinks: without a time limit, with events held back, until
// an event comes or the line is decided. An event stops it; the event loop handles it and calls again.
void onAnalysisTurn(void*) {
    if (thinking || eventsWaiting()) return;
    const uint64_t key = positionKeyWithSide();
    const bool continuing = key == shownKey && shownDepth > 0;
    if (!continuing) {
        shownKey = key;
        shownDepth = 0;
        showLine(whyNot());
    }
    if (!whyNot().empty()) {
        Fl::remove_idle(onAnalysisTurn);
        return;
    }
    prepareStrongThink(game.sideToMove);
    stopFlag = 0;
    bool interrupted = false;
    {
        EventsHeldBack held(&stopFlag);
        StrongRequest request{STRONG_MAX_PLY - 1, std::numeric_limits<double>::infinity(), 0, 0, &stopFlag, false};
        request.onIteration = showIteration;
        request.continuing = continuing;
        strongThink(request);
        interrupted = held.interrupted();
    }
    if (!interrupted) Fl::remove_idle(onAnalysisTurn);  // decided, or the deepest a search goes
}

void startOnPositionShown() {
    shownDepth = 0;
    showLine("");
    if (!Fl::has_idle(onAnalysisTurn)) Fl::add_idle(onAnalysisTurn);
}

}  // namespace

void setPositionAnalysis(bool wanted) {
    on = wanted;
    if (analysePositionButton) analysePositionButton->value(on);
    if (on) {
        startOnPositionShown();
        return;
    }
    Fl::remove_idle(onAnalysisTurn);
    showLine("");
}

bool positionAnalysisOn() { return on; }

std::string positionLineText() { return lineText; }

void positionAnalysisFollows(GameChange) {
    if (on) startOnPositionShown();
}
