#include "ui/auto_play.h"

#include <FL/Fl.H>

#include "position/game_state.h"
#include "position/history.h"
#include "ui/think_button.h"
#include "ui/widgets.h"

namespace {

bool plays[2] = {false, false};

// While a menu is open or a dialog waits (a file chooser, a message box, the new-game dialog), the
// computer waits too, looking again this often.
constexpr double BUSY_RETRY_SECONDS = 0.05;

bool personIsBusy() { return Fl::grab() != nullptr || Fl::modal() != nullptr; }

// onComputerTurn() is the time-out that starts the computer's think. It looks again whether the computer
// is due: a person may have acted in between.
void onComputerTurn(void*) {
    if (thinking || !computerIsDue()) return;
    if (personIsBusy()) {
        Fl::add_timeout(BUSY_RETRY_SECONDS, onComputerTurn);
        return;
    }
    if (playComputerMove()) gameChanged(GameChange::MovePlayed);
}

}  // namespace

void setComputerPlays(int side, bool on) {
    plays[side] = on;
    startComputerIfDue();
}

bool computerPlays(int side) { return plays[side]; }

bool computerIsDue() {
    return plays[game.sideToMove] && game.historyPosition == gameHistory.historyLength && !gameDecided();
}

void startComputerIfDue() {
    if (thinking) return;
    Fl::remove_timeout(onComputerTurn);
    if (computerIsDue()) Fl::add_timeout(0, onComputerTurn);
}

void followGame(GameChange change) {
    if (change != GameChange::Navigated) startComputerIfDue();
}
