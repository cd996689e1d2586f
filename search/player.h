// The choice of computer player, a small global setting per side that think() dispatches on: the
// classic player or the strong one, and for a level its deliberate imperfection. Everything that calls
// think() (the tool, the desktop's "Think!" and whatever else plays for a side) plays with the chosen
// player without knowing about engines.
#pragma once

#include <cstdint>
#include <string>

enum class Engine : uint8_t { Classic, Strong };

struct Player {
    Engine engine = Engine::Classic;
    int32_t level = 0;   // the level chosen last, 1..10; 0 when the engine was chosen by itself
    int32_t noise = 0;   // strong only: the largest random amount added to a root move's value
    uint64_t seed = 0;   // of that noise
};

// players[side] plays for that side; both are the classic player until something else is chosen.
extern Player players[2];

constexpr int MIN_LEVEL = 1;
constexpr int MAX_LEVEL = 10;

// The limits that a level brings, in the units of the desktop's two limit fields: "max depth " in
// plies (1..30) and "max time " in whole seconds (0 means a fixed-depth search).
struct LevelLimits {
    int32_t depth;
    int32_t seconds;
};

// Choosing

// chooseEngine() makes `engine` play, without imperfection, for one side or for both.
void chooseEngine(int side, Engine engine);
void chooseEngine(Engine engine);

// applyLevel() makes level `level` (MIN_LEVEL..MAX_LEVEL) play for one side or for both, and returns
// the limits that go with it; the caller puts them into the side's limits (the desktop into its two
// fields, which a person may still edit). A level out of range is brought into it.
LevelLimits applyLevel(int side, int level);
LevelLimits applyLevel(int level);

// Naming

// levelLimits() is the limits of a level without choosing it.
LevelLimits levelLimits(int level);
// engineName() is "classic" or "strong"; parseEngine() reads either, or returns false.
const char* engineName(Engine engine);
bool parseEngine(const std::string& text, Engine& engine);
