// Where the desktop program keeps its state and its settings, by the XDG base directories: the last
// game under $XDG_STATE_HOME (default ~/.local/state), the settings under $XDG_CONFIG_HOME (default
// ~/.config), each in a folder "tarnwick" of its own.
#pragma once

#include <string>

// xdgFolder() is the folder that a base-directory variable names: its value when that is an
// absolute path; otherwise (unset, empty or relative, which the XDG rules say to ignore) `home`
// followed by `fallback`, such as "/.local/state". Without an absolute home either, "".
std::string xdgFolder(const char* value, const char* home, const char* fallback);

// The program's own files, from the environment: "" when neither the variable nor HOME names a
// folder.
std::string lastGamePath();  // .../tarnwick/last-game.txt
std::string settingsPath();  // .../tarnwick/settings
