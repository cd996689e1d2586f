#include "ui/game_keys.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include "position/game_state.h"
#include "records/record.h"
#include "ui/board_view.h"
#include "ui/game_analysis.h"
#include "ui/game_events.h"
#include "ui/widgets.h"

namespace {

enum class KeyAction { Undo, Redo, Restart, GoToEnd, Think, Copy, Paste };

struct GameKey {
    int key;    // the toolkit's key code: the lower-case letter, or FL_Home and FL_End
    bool ctrl;  // Ctrl held (Shift must be as given too; Alt and Meta must not be held)
    bool shift;
    bool text;  // a key of text editing, which a limit field keeps while it has the focus
    KeyAction action;
};

// Only Ctrl+T also acts while a limit field is being edited: it thinks with the limits as typed.
const GameKey GAME_KEYS[] = {
    {'z', true, false, true, KeyAction::Undo},      {'y', true, false, true, KeyAction::Redo},
    {'z', true, true, true, KeyAction::Redo},       {FL_Home, false, false, true, KeyAction::Restart},
    {FL_End, false, false, true, KeyAction::GoToEnd}, {'t', true, false, false, KeyAction::Think},
    {'c', true, false, true, KeyAction::Copy},      {'v', true, false, true, KeyAction::Paste},
};

const GameKey* findGameKey() {
    const int state = Fl::event_state();
    if (state & (FL_ALT | FL_META)) return nullptr;
    const bool ctrl = (state & FL_CTRL) != 0, shift = (state & FL_SHIFT) != 0;
    for (const GameKey& k : GAME_KEYS)
        if (k.key == Fl::event_key() && k.ctrl == ctrl && k.shift == shift) return &k;
    return nullptr;
}

// press() acts as a click on the button would, which the button's own handler does on the release.
void press(Fl_Button* button) {
    if (button->visible()) button->handle(FL_RELEASE);
}

}  // namespace

int handleGameKey(Fl_Widget* pasteReceiver) {
    const GameKey* key = findGameKey();
    // A field keeps its text keys even when it has nothing to do with them (no text to undo, say).
    if (!key || (key->text && limitFieldHasFocus())) return 0;
    if (thinking) return 1;
    switch (key->action) {
        case KeyAction::Undo: press(undoButton); break;
        case KeyAction::Redo: press(redoButton); break;
        case KeyAction::Restart: press(restartButton); break;
        case KeyAction::GoToEnd: press(goToEndButton); break;
        case KeyAction::Think: press(thinkButton); break;
        case KeyAction::Copy: copyGame(); break;
        case KeyAction::Paste: Fl::paste(*pasteReceiver, 1); break;
    }
    return 1;
}

std::string copyGame() {
    const std::string text = recordText();
    Fl::copy(text.c_str(), static_cast<int>(text.size()), 2);
    return text;
}

std::string pasteGame(const std::string& text) {
    if (thinking) return "";
    GameRecord record;
    RecordError error;
    if (!readRecordOrMoves(text, game.boardSize, game.setupNumber, record, error))
        return "Not pasted: " + describeRecordError(error);
    if (record.size != game.boardSize)
        return "Not pasted: the game is on board size " + std::to_string(record.size) + ", this window's board has size " +
               std::to_string(game.boardSize);
    loadRecord(record);
    refreshBoard();
    gameChanged(GameChange::GameReplaced);
    showRecordAnalysis(record);
    return "";
}
