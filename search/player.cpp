#include "search/player.h"

#include <algorithm>

Player players[2];

namespace {

// A level: the strong player within the limits, with noise on its root values at the low levels.
struct Level {
    LevelLimits limits;
    int32_t noise;
};

const Level LEVELS[MAX_LEVEL] = {
    {{1, 1}, 6144},   // 1
    {{1, 1}, 3072},   // 2
    {{2, 1}, 3072},   // 3
    {{2, 1}, 1024},   // 4
    {{3, 1}, 512},    // 5
    {{4, 1}, 0},      // 6
    {{5, 1}, 0},      // 7
    {{7, 1}, 0},      // 8
    {{30, 1}, 0},     // 9
    {{30, 4}, 0},     // 10
};

// Each side's noise has its own seed, so that a level against itself does not mirror its choices.
constexpr uint64_t LEVEL_SEEDS[2] = {0x5EED0, 0x5EED1};

const Level& levelOf(int level) { return LEVELS[std::clamp(level, MIN_LEVEL, MAX_LEVEL) - 1]; }

}  // namespace

void chooseEngine(int side, Engine engine) { players[side] = Player{engine, 0, 0, 0}; }

void chooseEngine(Engine engine) {
    chooseEngine(0, engine);
    chooseEngine(1, engine);
}

LevelLimits applyLevel(int side, int level) {
    const Level& chosen = levelOf(level);
    players[side] = Player{Engine::Strong, std::clamp(level, MIN_LEVEL, MAX_LEVEL), chosen.noise, LEVEL_SEEDS[side]};
    return chosen.limits;
}

LevelLimits applyLevel(int level) {
    applyLevel(0, level);
    return applyLevel(1, level);
}

LevelLimits levelLimits(int level) { return levelOf(level).limits; }

const char* engineName(Engine engine) { return engine == Engine::Strong ? "strong" : "classic"; }

bool parseEngine(const std::string& text, Engine& engine) {
    if (text == "classic") engine = Engine::Classic;
    else if (text == "strong") engine = Engine::Strong;
    else return false;
    return true;
}
