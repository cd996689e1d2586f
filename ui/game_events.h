// What happened to the game, told by the handlers that change it to the parts of the window that follow
// it: the last game kept on disk, the computer's automatic play, the window's title. The handlers
// refresh the display themselves; the listeners are added once at start-up (a test adds its own),
// so that the low-level handlers need not know who listens.
#pragma once

enum class GameChange {
    MovePlayed,    // a new move at the position shown, by a person or by the computer
    Navigated,     // moves taken back or replayed: Undo, Redo, Restart, Go to end
    GameReplaced,  // a new game, an opened, pasted or resumed one, or the game given at start-up
};

using GameListener = void (*)(GameChange change);

// addGameListener() adds a listener, called after every change in the order of adding. At most
// MAX_GAME_LISTENERS; adding one twice adds it once.
constexpr int MAX_GAME_LISTENERS = 8;
void addGameListener(GameListener listener);

// removeGameListeners() forgets them all.
void removeGameListeners();

// gameChanged() tells every listener.
void gameChanged(GameChange change);
