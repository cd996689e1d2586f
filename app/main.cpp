// The desktop program: the main window on a game given on the command line, or on the board chosen in the
// start-up dialog, until the window is closed.
#include <FL/Fl.H>

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/startup_dialog.h"
#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/position_options.h"
#include "ui/fltk_toolkit.h"
#include "ui/main_window.h"
#include "ui/square_images.h"

namespace {

// startGivenGame() reads the record, if any, and sets up the game of the position options.
std::string startGivenGame(PositionOptions& options) {
    if (!options.recordPath.empty()) {
        const std::string error = readRecordSource(options);
        if (!error.empty()) return error;
    }
    return setUpGame(options);
}

}  // namespace

int main(int argc, char** argv) {
    // 1. The command line. A bad one ends the program before any window is shown.
    PositionOptions options;
    bool help = false;
    std::string error = parseCommandLine(argc, argv, options, help);
    if (error.empty() && !help && options.anyPositionOption()) error = startGivenGame(options);
    if (!error.empty()) {
        std::fprintf(stderr, "tarnwick: %s\n", error.c_str());
        return 2;
    }
    if (help) {
        std::fputs(DESKTOP_USAGE, stdout);
        return 0;
    }

    // 2. Without a game given, the dialog asks for the board; the game starts from its setup.
    if (!options.anyPositionOption()) {
        runStartupDialog(argc, argv);
        startPosition(game.boardSize, game.setupNumber);
        startHistory();  // no moves, no last move, nothing selected
    }

    // 3. The main window, its images and widgets, shown on the game's position.
    mainWindow = createMainWindow();
    mainWindow->callback(onMainWindowClose);
    renderSquareImages();
    buildMainWindow();
    installFltkToolkit();
    refreshBoard();

    mainWindow->end();
    mainWindow->show(argc, argv);
    return Fl::run();
}
