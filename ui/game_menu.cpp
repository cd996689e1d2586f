#include "ui/game_menu.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ui/auto_play.h"
#include "ui/board_view.h"
#include "ui/game_files.h"
#include "ui/game_analysis.h"
#include "ui/game_keys.h"
#include "ui/game_window.h"
#include "ui/hint.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/player_choice.h"
#include "ui/position_analysis.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"
#include "ui/zoom.h"

namespace {

// One row of the menu. A new item is one more row: a choice among several, such as a player or a level,
// is a row per choice with FL_MENU_RADIO, the same `act` and `checked` and its own argument (rows of
// one choice follow each other). A submenu is a row with FL_SUBMENU and no `act`, its items, and a row
// with no label that ends it.
struct MenuEntry {
    const char* label;
    int keys[3];            // the keys of the item, the first one shown in the menu; 0 ends the list
    void (*act)(int argument);
    int argument;
    bool (*canAct)();       // whether it can act now, besides the rule of the think; null: always
    bool (*checked)(int argument);  // whether a check or radio item is on; null for a plain item
    bool whileThinking;     // acts also while the computer thinks
    bool textKey;           // its key is one a limit field being edited keeps for its text
    int flags;              // FL_MENU_TOGGLE or FL_MENU_RADIO, and FL_MENU_DIVIDER for a line below it
};

void actNewGame(int) { newGame(); }
void actOpen(int) { openGame(); }
void actSaveAs(int) { saveGameAs(); }
void actResume(int) { resumeLastGame(); }
void actCopy(int) { copyGame(); }
void actPaste(int) { Fl::paste(*gameWindow, 1); }
void actHint(int) { showComputerHint(); }
void actGameWindow(int) { toggleGameWindow(); }
bool isGameWindowShown(int) { return gameWindowShown(); }
void actAnalyseGame(int) {
    showGameWindow();
    analyseGame();
}
void actAnalysePosition(int) {
    showGameWindow();
    setPositionAnalysis(!positionAnalysisOn());
}
bool isPositionAnalysed(int) { return positionAnalysisOn(); }
void actComputer(int side) { setComputerPlays(side, !computerPlays(side)); }
bool isComputerOn(int side) { return computerPlays(side); }
void actZoomIn(int) { zoomIn(); }
void actZoomOut(int) { zoomOut(); }
void actActualSize(int) { actualSize(); }
void actEngine(int engine) { choosePlayerEngine(static_cast<Engine>(engine)); }
bool isEngineChosen(int engine) { return isPlayerEngine(static_cast<Engine>(engine)); }
void actLevel(int level) { choosePlayerLevel(level); }
bool isLevelChosen(int level) { return isPlayerLevel(level); }
void actQuit(int) { std::exit(0); }

const char* const ABOUT_TEXT =
    "Tarnwick 2.0\n"
    "\n"
    "A piece moves in a straight line, in any of eight directions, exactly as many squares as there are\n"
    "pieces on that line. It may jump over its own pieces but not over enemy pieces, and captures an\n"
    "enemy piece by landing on it. A side wins when all its pieces form one touching group.\n"
    "\n"
    "Ctrl+Z Undo, Ctrl+Y or Ctrl+Shift+Z Redo, Home Restart, End Go to end, Ctrl+T Think!, Ctrl+H Hint,\n"
    "Ctrl+C copy the game, Ctrl+V paste a game, Ctrl+N New game, Ctrl+O Open, Ctrl+S Save as,\n"
    "Ctrl+G Game window, Ctrl+A Analyse game, Ctrl+L Analyse position,\n"
    "Ctrl+plus or Ctrl+= Zoom in, Ctrl+minus Zoom out, Ctrl+0 Actual size, Ctrl+Q Quit.\n"
    "The right mouse button, the Menu key or Shift+F10 open the menu.";

void actAbout(int) { tellInformation("About Tarnwick", ABOUT_TEXT); }

const MenuEntry MENU[] = {
    {"New game...", {FL_CTRL + 'n'}, actNewGame, 0, nullptr, nullptr, false, false, 0},
    {"Open...", {FL_CTRL + 'o'}, actOpen, 0, nullptr, nullptr, false, false, 0},
    {"Save as...", {FL_CTRL + 's'}, actSaveAs, 0, nullptr, nullptr, false, false, 0},
    {"Resume last game", {0}, actResume, 0, nullptr, nullptr, false, false, FL_MENU_DIVIDER},
    {"Copy game", {FL_CTRL + 'c'}, actCopy, 0, nullptr, nullptr, false, true, 0},
    {"Paste game", {FL_CTRL + 'v'}, actPaste, 0, nullptr, nullptr, false, true, FL_MENU_DIVIDER},
    {"Hint", {FL_CTRL + 'h'}, actHint, 0, canHint, nullptr, false, false, FL_MENU_DIVIDER},
    {"Game window", {FL_CTRL + 'g'}, actGameWindow, 0, nullptr, isGameWindowShown, false, false, FL_MENU_TOGGLE},
    {"Analyse game", {FL_CTRL + 'a'}, actAnalyseGame, 0, canAnalyseGame, nullptr, false, true, 0},
    {"Analyse position", {FL_CTRL + 'l'}, actAnalysePosition, 0, nullptr, isPositionAnalysed, false, false,
     FL_MENU_TOGGLE | FL_MENU_DIVIDER},
    {"Computer plays side 0", {0}, actComputer, 0, nullptr, isComputerOn, true, false, FL_MENU_TOGGLE},
    {"Computer plays side 1", {0}, actComputer, 1, nullptr, isComputerOn, true, false, FL_MENU_TOGGLE},
    {"Computer player", {0}, nullptr, 0, nullptr, nullptr, false, false, FL_SUBMENU | FL_MENU_DIVIDER},
    {"Classic player", {0}, actEngine, int(Engine::Classic), nullptr, isEngineChosen, false, false, FL_MENU_RADIO},
    {"Strong player", {0}, actEngine, int(Engine::Strong), nullptr, isEngineChosen, false, false,
     FL_MENU_RADIO | FL_MENU_DIVIDER},
    {"Level 1", {0}, actLevel, 1, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 2", {0}, actLevel, 2, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 3", {0}, actLevel, 3, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 4", {0}, actLevel, 4, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 5", {0}, actLevel, 5, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 6", {0}, actLevel, 6, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 7", {0}, actLevel, 7, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 8", {0}, actLevel, 8, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 9", {0}, actLevel, 9, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {"Level 10", {0}, actLevel, 10, nullptr, isLevelChosen, false, false, FL_MENU_RADIO},
    {nullptr, {0}, nullptr, 0, nullptr, nullptr, false, false, 0},
    {"Zoom in", {FL_CTRL + '+', FL_CTRL + '='}, actZoomIn, 0, canZoomIn, nullptr, false, false, 0},
    {"Zoom out", {FL_CTRL + '-'}, actZoomOut, 0, canZoomOut, nullptr, false, false, 0},
    {"Actual size", {FL_CTRL + '0'}, actActualSize, 0, canZoomOut, nullptr, false, false, FL_MENU_DIVIDER},
    {"About", {0}, actAbout, 0, nullptr, nullptr, false, false, 0},
    {"Quit", {FL_CTRL + 'q'}, actQuit, 0, nullptr, nullptr, true, false, 0},
};
constexpr int MENU_SIZE = sizeof MENU / sizeof MENU[0];

bool isActive(const MenuEntry& entry) {
    if (thinking && !entry.whileThinking) return false;
    return !entry.canAct || entry.canAct();
}

// act() runs an item when it can act; a menu popped up before a think may be answered after it.
void act(const MenuEntry& entry) {
    if (entry.act && isActive(entry)) entry.act(entry.argument);
}

const MenuEntry* findEntry(const char* label) {
    for (const MenuEntry& entry : MENU)
        if (entry.label && std::strcmp(entry.label, label) == 0) return &entry;
    return nullptr;
}

// keyMatches() tells whether the current key event is the shortcut `key` (the toolkit's form, such as
// FL_CTRL + 'n'). Ctrl must be as the shortcut says, Alt and Meta not held. A letter must come with
// Shift as the shortcut says; any other character is matched by the text it types, whatever Shift
// took to type it (Ctrl++ is Ctrl+Shift+= on many keyboards, or the keypad's +).
bool keyMatches(int key) {
    const int state = Fl::event_state();
    if (state & (FL_ALT | FL_META)) return false;
    if (((state & FL_CTRL) != 0) != ((key & FL_CTRL) != 0)) return false;
    const int symbol = key & FL_KEY_MASK;
    if (symbol >= 'a' && symbol <= 'z')
        return Fl::event_key() == symbol && ((state & FL_SHIFT) != 0) == ((key & FL_SHIFT) != 0);
    return Fl::event_key() == symbol || (Fl::event_length() > 0 && Fl::event_text()[0] == symbol);
}

const MenuEntry* entryOfKey() {
    for (const MenuEntry& entry : MENU)
        for (int key : entry.keys)
            if (key != 0 && keyMatches(key)) return &entry;
    return nullptr;
}

bool isMenuKey() {
    const int state = Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META);
    return (Fl::event_key() == FL_Menu && state == 0) || (Fl::event_key() == FL_F + 10 && state == FL_SHIFT);
}

// popUpMenu() shows the menu at the pointer, within the window, with every item's state as it is now,
// and runs the item picked. The menu's text has the window's zoom.
void popUpMenu() {
    dropHint();
    Fl_Menu_Item items[MENU_SIZE + 1] = {};  // the last one, all zero, ends the menu
    for (int i = 0; i < MENU_SIZE; ++i) {
        const MenuEntry& entry = MENU[i];
        if (!entry.label) continue;  // the end of a submenu stays an all-zero item
        Fl_Menu_Item& item = items[i];
        item.text = entry.label;
        item.shortcut_ = entry.keys[0];
        item.flags = entry.flags;
        if (entry.checked && entry.checked(entry.argument)) item.flags |= FL_MENU_VALUE;
        if (!isActive(entry)) item.flags |= FL_MENU_INACTIVE;
        item.labelsize(scaled(NORMAL_FONT_SIZE));
    }
    const int x = std::min(std::max(Fl::event_x(), 0), gameWindow->w() - 1);
    const int y = std::min(std::max(Fl::event_y(), 0), gameWindow->h() - 1);
    // The toolkit draws the check boxes of the items at its normal font size: the zoom's while it shows.
    const Fl_Fontsize normalSize = FL_NORMAL_SIZE;
    FL_NORMAL_SIZE = scaled(NORMAL_FONT_SIZE);
    const Fl_Menu_Item* picked = items->popup(x, y);
    FL_NORMAL_SIZE = normalSize;
    if (picked) act(MENU[picked - items]);
}

}  // namespace

void installGameMenu() { windowMenuHandler = handleMenuEvent; }

int handleMenuEvent(int event) {
    if (event == FL_PUSH) {
        popUpMenu();
        return 1;
    }
    if (event != FL_SHORTCUT) return 0;
    if (isMenuKey()) {
        popUpMenu();
        return 1;
    }
    const MenuEntry* entry = entryOfKey();
    if (!entry || (entry->textKey && limitFieldHasFocus())) return 0;
    act(*entry);
    return 1;
}

bool menuItemActive(const char* label) {
    const MenuEntry* entry = findEntry(label);
    return entry && isActive(*entry);
}

bool menuItemChecked(const char* label) {
    const MenuEntry* entry = findEntry(label);
    return entry && entry->checked && entry->checked(entry->argument);
}
