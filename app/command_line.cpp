#include "app/command_line.h"

#include <FL/Fl.H>

const char* const DESKTOP_USAGE =
    "usage: tarnwick [--size N] [--setup B] [--moves \"M1 M2 ...\"] [TOOLKIT SWITCHES]\n"
    "       tarnwick --record FILE [TOOLKIT SWITCHES]\n"
    "       tarnwick --resume [TOOLKIT SWITCHES]\n"
    "Each form also takes the OPTIONS below.\n"
    "\n"
    "Without a position a dialog asks for the board size and the initial setup. With a position option\n"
    "or --resume the main window opens at once on the position after the moves, which are in the game\n"
    "history (Restart and Undo walk back through them).\n"
    "  --size N        board size, 4 to 16 (default 8)\n"
    "  --setup B       initial setup, 0 to 8 (default 3)\n"
    "  --moves LIST    moves such as B1-B3 or C10xE12, separated by blanks or commas\n"
    "  --record FILE   a game record (- reads standard input): its size, setup and moves;\n"
    "                  goes with none of the three above\n"
    "  --resume        the last game, kept after every change, at the position that was shown;\n"
    "                  goes with none of the four above\n"
    "OPTIONS:\n"
    "  --computer S    the sides the computer plays by itself: 0, 1, both or none (default)\n"
    "  --engine E      the computer player: classic (the default) or strong\n"
    "  --level N       the computer player at level 1 (weakest) to 10 (strongest): the strong player\n"
    "                  with the level's imperfection; its limits go into the two limit fields;\n"
    "                  goes without --engine\n"
    "  --zoom Z        the window's zoom, 1 to 4, such as 1.5 (default: the zoom last used)\n"
    "  --help          this text\n"
    "\n"
    "Keys in the main window: Ctrl+Z Undo, Ctrl+Y or Ctrl+Shift+Z Redo, Home Restart, End Go to end,\n"
    "Ctrl+T Think!, Ctrl+H Hint, Ctrl+C copies the game record up to the position shown, Ctrl+V pastes a\n"
    "record or a list of moves, Ctrl+N New game, Ctrl+O Open, Ctrl+S Save as, Ctrl+plus or Ctrl+= Zoom in,\n"
    "Ctrl+minus Zoom out, Ctrl+0 Actual size, Ctrl+Q Quit. The right mouse button, the Menu key or\n"
    "Shift+F10 open the menu. While a limit field is being edited it keeps Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z,\n"
    "Home, End, Ctrl+C and Ctrl+V for its text; a click on the board or a button gives them back.\n"
    "\n"
    "Files: the last game in $XDG_STATE_HOME/tarnwick/last-game.txt (default ~/.local/state/...), the\n"
    "settings in $XDG_CONFIG_HOME/tarnwick/settings (default ~/.config/...).\n"
    "\n"
    "The toolkit's standard switches apply to the first window shown: -display HOST:N, -geometry WxH+X+Y,\n"
    "-title TITLE, -name CLASS, -iconic, -scheme NAME, -bg COLOR, -bg2 COLOR, -fg COLOR, -tooltips,\n"
    "-notooltips, -kbd, -nokbd, -dnd, -nodnd.\n";

namespace {

// Fl::args() calls the program's handler with each argument before it tries its own switches; the
// handler has no place for data of its own, so it works on these.
PositionOptions* parsed = nullptr;
DesktopOptions* desktopParsed = nullptr;
bool* helpWanted = nullptr;
std::string refusal;
int lastSeen = 0;

// takeArgument() takes the program's options: it returns how many arguments it used, 0 for an argument
// that is not the program's (the toolkit's, or unknown) and for a refused one, which stops the parse.
int takeArgument(int argc, char** argv, int& i) {
    lastSeen = i;
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
        *helpWanted = true;
        i += 1;
        return 1;
    }
    if (isResumeOption(arg)) {
        desktopParsed->resume = true;
        i += 1;
        return 1;
    }
    if (arg.compare(0, 2, "--") != 0 || arg.size() == 2) return 0;
    if (!isPositionOption(arg) && !isDesktopValueOption(arg)) {
        refusal = "unknown option " + arg + " (see --help)";
        return 0;
    }
    if (i + 1 >= argc) {
        refusal = "option " + arg + " needs a value";
        return 0;
    }
    if (isPositionOption(arg))
        parsePositionOption(arg, argv[i + 1], false, *parsed, refusal);
    else
        refusal = parseDesktopOption(arg, argv[i + 1], *desktopParsed);
    if (!refusal.empty()) return 0;
    i += 2;
    return 2;
}

}  // namespace

std::string parseCommandLine(int argc, char** argv, PositionOptions& options, DesktopOptions& desktop, bool& help) {
    parsed = &options;
    desktopParsed = &desktop;
    helpWanted = &help;
    refusal.clear();
    int next = 0;
    Fl::args(argc, argv, next, takeArgument);
    if (!refusal.empty()) return refusal;
    if (next < argc)
        return "argument '" + std::string(argv[lastSeen]) +
               "' is no option of the program or the toolkit, or lacks its value (see --help)";
    const std::string positionError = checkPositionOptions(options);
    return positionError.empty() ? checkDesktopOptions(options, desktop) : positionError;
}
