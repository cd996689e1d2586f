// long_game COUNT FILE: the desktop program with a long game already played on board 16, setup 6: COUNT
// random legal moves, quiet ones preferred so that neither side connects. It writes the moves on one line
// into FILE, shows the main window as start-up does and runs the event loop. Every time the toolkit has
// handled a batch of events it checks the position against its from-scratch twin (checkPosition), the
// history's invariants and which board and navigation buttons are shown; the first failure is printed
// and ends the program with status 3. Closing the window ends it with status 0, as in the program.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/startup_dialog.h"
#include "position/checker.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "tests/test_support.h"
#include "ui/board_view.h"
#include "ui/fltk_toolkit.h"
#include "ui/main_window.h"
#include "ui/navigation.h"
#include "ui/square_images.h"

namespace {

using testing_support::legalMoves;
using testing_support::someSideConnected;

constexpr int BOARD_SIZE = 16;
constexpr int SETUP = 6;

// playRandomGame() plays up to `count` moves through the game history and writes them into `path`; it
// stops early only when a side connects or has no move.
bool playRandomGame(int count, const char* path) {
    std::mt19937 random(5);
    std::string line;
    for (int played = 0; played < count && !someSideConnected(); ++played) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty()) break;
        std::vector<Move> quiet;
        for (const Move& m : moves)
            if (m.captured < 0) quiet.push_back(m);
        const std::vector<Move>& pool = quiet.empty() ? moves : quiet;
        const Move m = pool[random() % pool.size()];
        commitMove(m);
        line += (line.empty() ? "" : " ") + moveText(m);
    }
    std::FILE* file = std::fopen(path, "w");
    if (!file) return false;
    std::fprintf(file, "%s\n", line.c_str());
    return std::fclose(file) == 0;
}

bool sameSquares(const Move& a, const Move& b) {
    return a.fromRow == b.fromRow && a.fromCol == b.fromCol && a.toRow == b.toRow && a.toCol == b.toCol;
}

// buttonsProblem() compares the shown buttons with the normal display: the pieces of the side to move
// while the game is undecided, Restart and Undo with a move to take back, Redo and Go to end with one to
// replay. A selection on the board is another display, so it is not compared.
std::string buttonsProblem() {
    if (pendingMove.fromRow != 0) return "";
    const bool decided = someSideConnected();
    for (int r = 1; r <= game.boardSize; ++r)
        for (int c = 1; c <= game.boardSize; ++c) {
            const bool clickable = !decided && game.board[r][c] / 64 == game.sideToMove + 1;
            if (squareButton[r][c]->visible() != clickable) return "square " + squareText(r, c) + " shown wrongly";
        }
    const bool back = game.historyPosition > 0, forward = game.historyPosition < gameHistory.historyLength;
    if (restartButton->visible() != back || undoButton->visible() != back) return "Restart or Undo shown wrongly";
    if (redoButton->visible() != forward || goToEndButton->visible() != forward)
        return "Redo or Go to end shown wrongly";
    return "";
}

std::string stateProblem() {
    const std::string position = checkPosition();
    if (!position.empty()) return "position: " + position;
    const int at = game.historyPosition;
    if (at < 0 || at > gameHistory.historyLength ||
        gameHistory.historyLength != static_cast<int>(gameHistory.historyMoves.size()))
        return "history position " + std::to_string(at) + " of " + std::to_string(gameHistory.historyLength);
    if (game.sideToMove != at % 2) return "side " + std::to_string(game.sideToMove) + " to move at ply " + std::to_string(at);
    const Move none{};
    if (!sameSquares(lastMove, at == 0 ? none : gameHistory.historyMoves[at - 1])) return "last move at ply " + std::to_string(at);
    return buttonsProblem();
}

// checkAfterEvents() runs whenever the toolkit is about to wait for more events.
void checkAfterEvents(void*) {
    if (thinking) return;
    const std::string problem = stateProblem();
    if (problem.empty()) return;
    std::fprintf(stderr, "long_game: after the last events, at move %d of %d: %s\n", game.historyPosition,
                 gameHistory.historyLength, problem.c_str());
    std::exit(3);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: long_game COUNT FILE\n");
        return 2;
    }
    game.boardSize = BOARD_SIZE;
    mainWindow = createMainWindow();
    mainWindow->callback(onMainWindowClose);
    renderSquareImages();
    buildMainWindow();

    startPosition(BOARD_SIZE, SETUP);
    startHistory();
    if (!playRandomGame(std::atoi(argv[1]), argv[2])) {
        std::fprintf(stderr, "long_game: cannot write %s\n", argv[2]);
        return 2;
    }
    installFltkToolkit();
    refreshBoard();
    checkAfterEvents(nullptr);

    mainWindow->end();
    mainWindow->show();
    Fl::add_check(checkAfterEvents);
    return Fl::run();
}
