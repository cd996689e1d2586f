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

void onComputerTurn(void*);

// armComputerTurn() runs once, when the event loop has run its time-outs, and arms the computer's
// zero-length time-out for the next round of the loop. The toolkit runs a zero-length time-out armed by
// a time-out at once, in the same round: without this step a game of the computer against itself would
// run from one time-out to the next without the window being drawn or the menu being looked at.
void armComputerTurn(void*) {
    Fl::remove_check(armComputerTurn);
    if (!thinking && computerIsDue()) Fl::add_timeout(0, onComputerTurn);
}

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
    Fl::remove_check(armComputerTurn);
    if (computerIsDue()) Fl::add_check(armComputerTurn);
}

void followGame(GameChange change) {
    if (change != GameChange::Navigated) startComputerIfDue();
}
