#include "files/xdg_paths.h"

#include <cstdlib>

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

std::string programFile(const char* variable, const char* fallback, const char* name) {
    const std::string folder = xdgFolder(std::getenv(variable), std::getenv("HOME"), fallback);
    return folder.empty() ? "" : folder + "/tarnwick/" + name;
}

}  // namespace

std::string xdgFolder(const char* value, const char* home, const char* fallback) {
    if (isAbsolute(value)) return value;
    if (isAbsolute(home)) return std::string(home) + fallback;
    return "";
}

std::string lastGamePath() { return programFile("XDG_STATE_HOME", "/.local/state", "last-game.txt"); }

std::string settingsPath() { return programFile("XDG_CONFIG_HOME", "/.config", "settings"); }
