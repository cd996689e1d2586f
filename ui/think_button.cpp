#include "ui/think_button.h"

#include <FL/Fl_Value_Input.H>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

#include "position/game_state.h"
#include "position/history.h"
#include "search/search.h"
#include "search/think.h"
#include "ui/board_view.h"
#include "ui/game_events.h"
#include "ui/widgets.h"

namespace {

// wholeValueIn() reads an input truncated toward zero and brought into [low, high]. The field is then
// made to show that value whenever it shows anything else, also when the text already stood for it: the
// toolkit reads an empty field or a lone "-" as 0 and "05" as 5, so the user sees the real limit. A value
// that is no number at all (NaN) counts as the lowest limit.
double wholeValueIn(Fl_Value_Input* input, double low, double high) {
    const double typed = input->value();
    const double whole = std::isnan(typed) ? low : std::clamp(std::trunc(typed), low, high);
    input->value(whole);
    char shown[128];
    input->format(shown);
    if (std::strcmp(input->input.value(), shown) != 0) input->input.value(shown);
    return whole;
}

}  // namespace

void storeThinkLimits() {
    const int side = game.sideToMove;
    searchState.depthLimit[side] = static_cast<int32_t>(wholeValueIn(maxDepthInput, MIN_DEPTH_LIMIT, MAX_DEPTH_LIMIT));
    searchState.timeLimit[side] = wholeValueIn(maxTimeInput, 0, MAX_TIME_LIMIT);
}

bool gameDecided() { return game.groupCount[0] == 1 || game.groupCount[1] == 1; }

bool thinkWithLimits() {
    assert(!thinking);
    thinking = true;
    storeThinkLimits();
    const bool found = think();
    thinking = false;
    return found;
}

// playComputerMove() keeps `thinking` set until the move is committed and shown, so that no event
// handled in between sees the position half way.
bool playComputerMove() {
    thinking = true;
    storeThinkLimits();
    const bool played = think();
    if (played) commitMove(searchState.bestMove);
    // Also when nothing was played: the board goes back to the normal display.
    pendingMove.fromRow = pendingMove.fromCol = 0;
    refreshBoard();
    thinking = false;
    return played;
}

// Think_Button::handle() plays the computer's move on the release. It does nothing beyond the plain
// button handling while a think runs (a second click must not start another search on the position
// being searched) and once the game is decided. A side without a legal move gets nothing played.
int Think_Button::handle(int event) {
    if (thinking || gameDecided() || event != FL_RELEASE) return Fl_Button::handle(event);
    const bool played = playComputerMove();
    redraw();
    Fl_Button::handle(FL_RELEASE);
    if (played) gameChanged(GameChange::MovePlayed);
    return 1;
}
