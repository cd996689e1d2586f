// The desktop program's command line: the position options it shares with the tool, its own options
// (--computer, --zoom, --resume), --help, and the toolkit's standard switches (-geometry, -title,
// -display, ...), which the toolkit keeps for Fl_Window::show(argc, argv).
#pragma once

#include <string>

#include "records/position_options.h"
#include "settings/desktop_options.h"

extern const char* const DESKTOP_USAGE;

// parseCommandLine() reads every argument. The position options go into `options` (--size and --setup
// take one value each), the program's own into `desktop`, and --help sets `help`; the toolkit's switches
// are left to the toolkit. Returns "" or the message for the one error line: an option out of range, an
// option without its value, --record or --resume with a position option, or an argument that neither
// the program nor the toolkit knows.
std::string parseCommandLine(int argc, char** argv, PositionOptions& options, DesktopOptions& desktop, bool& help);
