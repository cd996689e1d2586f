// The desktop program's own options beside the position options that both programs take:
//
//   --computer 0|1|both|none   the sides that the computer plays by itself (default none)
//   --zoom Z                   the window's zoom, 1 to 4 (default: the zoom last used)
//   --resume                   the last game kept, at the position that was shown
//
// They are checked here, where they enter; a bad one gives one message line. Only --resume names a
// position: --computer and --zoom on their own leave the start-up dialog in place.
#pragma once

#include <string>

#include "records/position_options.h"

struct DesktopOptions {
    bool computerPlays[2] = {false, false};
    bool zoomGiven = false;
    double zoom = 1;
    bool resume = false;
};

// isDesktopValueOption() tells whether `option` is --computer or --zoom, which take a value.
bool isDesktopValueOption(const std::string& option);

// isResumeOption() tells whether `option` is --resume, which takes none.
bool isResumeOption(const std::string& option);

// parseDesktopOption() takes --computer or --zoom with its value. Returns "" or the message.
std::string parseDesktopOption(const std::string& option, const std::string& value, DesktopOptions& options);

// checkResume() runs once all options are read: the last game gives the whole game, so --resume goes
// with none of the position options. Returns "" or the message.
std::string checkResume(const PositionOptions& position, const DesktopOptions& desktop);
