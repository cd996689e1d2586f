// The desktop program: the start-up dialog, then the main window for the chosen board until it is closed.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include "app/startup_dialog.h"
#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "ui/fltk_toolkit.h"
#include "ui/main_window.h"
#include "ui/square_images.h"

int main(int argc, char** argv) {
    runStartupDialog(argc, argv);

    // The window is the board plus a 250-pixel panel on the right and a 50-pixel strip below; it is the
    // current group from here on, so the widgets built next land in it.
    const int boardPixels = SQUARE_SIZE * game.boardSize;
    mainWindow = new Fl_Window(boardPixels + 250, boardPixels + 50, "Tarnwick 2.0");
    mainWindow->callback(onMainWindowClose);

    buildLightSamples();
    buildSquareImages();
    releaseLightSamples();
    buildMainWindow();

    resetPosition();
    placeInitialSetup();
    game.sideToMove = 0;
    startHistory();  // no moves, no last move, nothing selected
    installFltkToolkit();
    refreshBoard();

    mainWindow->end();
    mainWindow->show(argc, argv);
    return Fl::run();
}
