#include "ui/hint.h"

#include "position/game_state.h"
#include "position/history.h"
#include "search/search.h"
#include "ui/auto_play.h"
#include "ui/board_view.h"
#include "ui/think_button.h"
#include "ui/widgets.h"

bool canHint() { return !thinking && !gameDecided() && game.sideMoveCount[game.sideToMove] > 0; }

// showComputerHint() starts from the normal display, so that the board shows no selection while the
// search runs. A "Computer plays" item switched on during the search takes effect once it is over.
void showComputerHint() {
    if (!canHint()) return;
    pendingMove.fromRow = pendingMove.fromCol = 0;
    refreshBoard();
    if (thinkWithLimits())
        showHint(searchState.bestMove);
    else
        refreshBoard();
    startComputerIfDue();
}
