// The desktop program's own options beside the position options that both programs take:
//
//   --computer 0|1|both|none   the sides that the computer plays by itself (default none)
//   --engine classic|strong    the computer player (default classic)
//   --level N                  the computer player at level N, 1 to 10: the strong player with the
//                              level's limits and imperfection
//   --zoom Z                   the window's zoom, 1 to 4 (default: the zoom last used)
//   --resume                   the last game kept, at the position that was shown
//
// They are checked here, where they enter; a bad one gives one message line. Only --resume names a
// position: the others on their own leave the start-up dialog in place.
#pragma once

#include <string>

#include "records/position_options.h"
#include "search/player.h"

struct DesktopOptions {
    bool computerPlays[2] = {false, false};
    bool engineGiven = false;
    Engine engine = Engine::Classic;
    int level = 0;  // 0: no level given
    bool zoomGiven = false;
    double zoom = 1;
    bool resume = false;
};

// isDesktopValueOption() tells whether `option` is --computer, --engine, --level or --zoom, which take a
// value.
bool isDesktopValueOption(const std::string& option);

// isResumeOption() tells whether `option` is --resume, which takes none.
bool isResumeOption(const std::string& option);

// parseDesktopOption() takes one of those options with its value. Returns "" or the message.
std::string parseDesktopOption(const std::string& option, const std::string& value, DesktopOptions& options);

// checkDesktopOptions() runs once all options are read: the last game gives the whole game, so --resume
// goes with none of the position options, and a level brings its own player, so --level goes without
// --engine. Returns "" or the message.
std::string checkDesktopOptions(const PositionOptions& position, const DesktopOptions& desktop);
