#include "ui/game_events.h"

#include <cassert>

namespace {

GameListener listeners[MAX_GAME_LISTENERS];
int listenerCount = 0;

}  // namespace

void addGameListener(GameListener listener) {
    for (int i = 0; i < listenerCount; ++i)
        if (listeners[i] == listener) return;
    assert(listenerCount < MAX_GAME_LISTENERS);
    if (listenerCount < MAX_GAME_LISTENERS) listeners[listenerCount++] = listener;
}

void removeGameListeners() { listenerCount = 0; }

void gameChanged(GameChange change) {
    for (int i = 0; i < listenerCount; ++i) listeners[i](change);
}
