// The desktop program's settings, kept between runs in a small text file (see files/xdg_paths.h):
//
//     # Tarnwick's settings, written by the program.
//     zoom=1.5
//
// One "name=value" a line; blank lines and lines starting with '#' are skipped, and so is a line the
// program does not know. A missing, unreadable or damaged file, or a damaged value, means the
// default: the settings never stop the program.
#pragma once

#include <string>

struct Settings {
    double zoom = 1;  // the zoom last used, 1 to 4
};

// parseSettings() reads the text of a settings file; what cannot be read keeps its default.
Settings parseSettings(const std::string& text);

// settingsText() is the file's text for these settings.
std::string settingsText(const Settings& settings);

// loadSettings() reads the settings file, or gives the defaults.
Settings loadSettings();

// saveSettings() writes the settings file (and its folder) with the temporary-file-and-rename step.
// Returns "" or the one-line reason it could not.
std::string saveSettings(const Settings& settings);
