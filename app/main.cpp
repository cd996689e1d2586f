// The desktop program: the main window on a game given on the command line, on the last game, or on
// the board chosen in the start-up dialog, until the window is closed.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/filename.H>

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/startup_dialog.h"
#include "position/game_state.h"
#include "position/history.h"
#include "files/xdg_paths.h"
#include "position/setups.h"
#include "records/last_game.h"
#include "records/position_options.h"
#include "settings/desktop_options.h"
#include "settings/settings_file.h"
#include "ui/auto_play.h"
#include "ui/fltk_toolkit.h"
#include "ui/game_events.h"
#include "ui/game_files.h"
#include "ui/game_analysis.h"
#include "ui/game_menu.h"
#include "ui/game_window.h"
#include "ui/main_window.h"
#include "ui/player_choice.h"
#include "ui/zoom.h"

namespace {

// startGivenGame() reads the record, if any, and sets up the game of the position options.
std::string startGivenGame(PositionOptions& options) {
    if (!options.recordPath.empty()) {
        const std::string error = readRecordSource(options);
        if (!error.empty()) return error;
    }
    return setUpGame(options);
}

// givenRecord() is the record of --record, read once more for the analysis in its comments.
GameRecord givenRecord(const PositionOptions& options) {
    GameRecord record;
    RecordError error;
    readRecord(options.recordText, record, error);
    return record;
}

// resumeGivenGame() sets up the last game at the position that was shown.
std::string resumeGivenGame() {
    std::string text;
    const std::string unreadable = readLastGameFile(text);
    if (!unreadable.empty()) return "option --resume: " + unreadable;
    const std::string refused = loadKeptGame(text, lastGamePath());
    return refused.empty() ? "" : "option --resume: " + refused;
}

}  // namespace

int main(int argc, char** argv) {
    // 1. The command line. A bad one, or a game that cannot be set up, ends the program before any
    //    window is shown.
    PositionOptions options;
    DesktopOptions desktop;
    bool help = false;
    std::string error = parseCommandLine(argc, argv, options, desktop, help);
    const bool gameGiven = options.anyPositionOption() || desktop.resume;
    if (error.empty() && !help && options.anyPositionOption()) error = startGivenGame(options);
    if (error.empty() && !help && desktop.resume) error = resumeGivenGame();
    if (!error.empty()) {
        std::fprintf(stderr, "tarnwick: %s\n", error.c_str());
        return 2;
    }
    if (help) {
        std::fputs(DESKTOP_USAGE, stdout);
        return 0;
    }

    // Every window of the program has its file name as its class, and an untitled dialog as its title
    // (this toolkit version would otherwise say "FLTK").
    if (argc > 0 && argv[0]) Fl_Window::default_xclass(fl_filename_name(argv[0]));

    // 2. The last game of the previous run, for "Resume last game", before this run keeps its own.
    rememberLastGame();

    // 3. The zoom: the one given, else the one last used. The dialog and the window are laid out at it.
    const double zoomUsedLast = loadSettings().zoom;
    const double zoom = desktop.zoomGiven ? desktop.zoom : zoomUsedLast;
    useZoom(zoom, zoom != zoomUsedLast);

    // 4. Without a game given, the dialog asks for the board; the game starts from its setup.
    if (!gameGiven) {
        runStartupDialog(argc, argv);
        startPosition(game.boardSize, game.setupNumber);
        startHistory();  // no moves, no last move, nothing selected
    }

    // 5. The main window, its images and widgets, shown on the game's position, with its menu. The game
    //    is kept after every change, from this first one on, and the computer player given plays the
    //    sides it was given, from the event loop.
    mainWindow = createMainWindow();
    mainWindow->callback(onMainWindowClose);
    renderZoomedImages();
    buildMainWindow();
    installFltkToolkit();
    installGameMenu();
    addGameListener(titleFollowsGame);
    addGameListener(keepGame);
    addGameListener(followGame);
    addGameListener(followGameInGameWindow);
    refreshBoard();
    if (desktop.level > 0) choosePlayerLevel(desktop.level);
    if (desktop.engineGiven) choosePlayerEngine(desktop.engine);
    for (int side = 0; side < 2; ++side) setComputerPlays(side, desktop.computerPlays[side]);
    gameChanged(GameChange::GameReplaced);
    if (!options.recordPath.empty()) showRecordAnalysis(givenRecord(options));
    if (!options.recordPath.empty() && options.recordPath != "-") showFileInTitle(options.recordPath);

    mainWindow->end();
    mainWindow->show(argc, argv);
    return Fl::run();
}
