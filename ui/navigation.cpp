#include "ui/navigation.h"

#include "position/game_state.h"
#include "position/history.h"
#include "ui/board_view.h"
#include "ui/game_events.h"
#include "ui/widgets.h"

namespace {

// One step back or forward, shown at once. The toolkit draws only when control returns to it, so a
// run of steps shows just the final position.
void undoShown(Fl_Button* pressed) {
    undoStep();
    refreshBoard();
    pressed->redraw();
}

void redoShown(Fl_Button* pressed) {
    redoStep();
    refreshBoard();
    pressed->redraw();
}

// navigate() is the shared pattern of the four handlers: on a release, and only while the computer is
// not thinking, run the action, then let the plain button handling complete the click. The listeners
// hear of it once, after all its steps.
template <class Action>
int navigate(Fl_Button* button, int event, Action action) {
    if (thinking || event != FL_RELEASE) return button->Fl_Button::handle(event);
    const int before = game.historyPosition;
    action();
    button->Fl_Button::handle(FL_RELEASE);
    if (game.historyPosition != before) gameChanged(GameChange::Navigated);
    return 1;
}

}  // namespace

// Restart keeps the whole game line, so Go to end can replay it.
int Restart_Button::handle(int event) {
    return navigate(this, event, [this] {
        while (canGoBack()) undoShown(this);
    });
}

int Undo_Button::handle(int event) {
    return navigate(this, event, [this] {
        if (canGoBack()) undoShown(this);
    });
}

int Redo_Button::handle(int event) {
    return navigate(this, event, [this] {
        if (canGoForward()) redoShown(this);
    });
}

int GoToEnd_Button::handle(int event) {
    return navigate(this, event, [this] {
        while (canGoForward()) redoShown(this);
    });
}

void showPly(int ply) {
    if (thinking) return;
    const int before = game.historyPosition;
    while (canGoBack() && game.historyPosition > ply) undoStep();
    while (canGoForward() && game.historyPosition < ply) redoStep();
    if (game.historyPosition == before) return;
    refreshBoard();
    gameChanged(GameChange::Navigated);
}
