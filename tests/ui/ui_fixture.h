// The main window built in-process, without a display: the widgets exist and their handlers run, nothing
// is shown. Each test starts a game of its own in a fresh window.
#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/pieces.h"
#include "position/toolkit.h"
#include "tests/test_support.h"
#include "ui/board_view.h"
#include "ui/fltk_toolkit.h"
#include "ui/main_window.h"
#include "ui/square_images.h"

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (squareImages[0][0][0][0]) return;
        // The light samples stay: other suites in this binary render images of their own.
        buildLightSamples();
        buildSquareImages();
    }

    void TearDown() override {
        delete window;
        window = nullptr;
        resetToolkitHooks();
        thinking = false;
    }

    // openWindow() builds a main window for board size `size` as start-up does.
    void openWindow(int size) {
        delete window;
        clearGameState();
        game.boardSize = size;
        window = createMainWindow();
        buildMainWindow();
        window->end();
        installFltkToolkit();
    }

    // startGame() opens the window, plays the moves and refreshes the display.
    void startGame(int size, int setup, const std::vector<std::string>& moves = {}) {
        openWindow(size);
        const std::string refused = testing_support::setUpGame(size, setup, moves);
        ASSERT_EQ(refused, "");
        refreshBoard();
    }

    // startPieces() opens the window on a board holding only these pieces, side 0 to move.
    void startPieces(int size, const std::vector<std::pair<int, int>>& side0,
                     const std::vector<std::pair<int, int>>& side1) {
        openWindow(size);
        resetPosition();
        for (const auto& [r, c] : side0) newPiece(r, c, 0);
        for (const auto& [r, c] : side1) newPiece(r, c, 1);
        game.sideToMove = 0;
        startHistory();
        refreshBoard();
    }

    // click() is a click of the mouse on a square button: the pointer enters, presses and releases.
    static void click(int r, int c) {
        Square_Button* button = squareButton[r][c];
        button->handle(FL_ENTER);
        button->handle(FL_PUSH);
        button->handle(FL_RELEASE);
        button->handle(FL_LEAVE);
    }

    // shownSquares() lists the squares whose buttons are shown, row by row.
    static std::vector<std::pair<int, int>> shownSquares() {
        std::vector<std::pair<int, int>> shown;
        for (int r = 1; r <= game.boardSize; ++r)
            for (int c = 1; c <= game.boardSize; ++c)
                if (squareButton[r][c]->visible()) shown.push_back({r, c});
        return shown;
    }

    static int contentOf(int r, int c) { return game.board[r][c] / 64; }

    Fl_Window* window = nullptr;
};
