#include "app/startup_dialog.h"

#include <FL/Fl.H>
#include <FL/filename.H>
#include <FL/Fl_Window.H>

#include <cstdlib>

#include "position/game_state.h"
#include "records/record.h"

Fl_Window* mainWindow = nullptr;

namespace {

void onStartupDialogClose(Fl_Widget*, void*) { std::exit(0); }

}  // namespace

// runStartupDialog(): board size 0 is the "nothing chosen yet" mark of the dialog loop, so an entry that
// OK does not take leaves it at 0 and the dialog stays open.
void runStartupDialog(int argc, char** argv) {
    BoardDialog dialog = createBoardDialog(DEFAULT_BOARD_SIZE, DEFAULT_SETUP, &game.boardSize, &game.setupNumber);
    mainWindow = dialog.window;
    dialog.window->callback(onStartupDialogClose);

    // The dialog has no title of its own, so the toolkit titles it with its window class: make that
    // class the program's file name (this toolkit version would otherwise say "FLTK").
    if (argc > 0 && argv[0]) Fl_Window::default_xclass(fl_filename_name(argv[0]));
    dialog.window->show(argc, argv);
    while (game.boardSize == 0) Fl::wait();

    // The dialog is gone before the main window is built.
    destroyBoardDialog(dialog);
    mainWindow = nullptr;
}

void onMainWindowClose(Fl_Widget*, void*) { std::exit(0); }
