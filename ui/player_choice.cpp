#include "ui/player_choice.h"

#include <FL/Fl_Value_Input.H>

#include "ui/widgets.h"

void choosePlayerEngine(Engine engine) { chooseEngine(engine); }

void choosePlayerLevel(int level) {
    const LevelLimits limits = applyLevel(level);
    maxDepthInput->value(limits.depth);
    maxTimeInput->value(limits.seconds);
}

// The window chooses for both sides at once, so side 0's player stands for both.
bool isPlayerEngine(Engine engine) { return players[0].level == 0 && players[0].engine == engine; }

bool isPlayerLevel(int level) { return players[0].level == level; }
