// The main window in-process with what the desktop program adds around it: the menu, the listeners that
// keep the last game and let the computer answer by itself, the state and settings in folders of the
// test's own, and the event loop run round by round.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Value_Input.H>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "search/player.h"
#include "tests/ui/ui_fixture.h"
#include "ui/auto_play.h"
#include "ui/game_events.h"
#include "ui/game_files.h"
#include "ui/game_menu.h"
#include "ui/main_window.h"
#include "ui/square_images.h"
#include "ui/window_scale.h"

class DesktopTest : public MainWindowTest {
protected:
    void SetUp() override {
        char name[] = "/tmp/tarnwick-desktop-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        for (const char* variable : {"XDG_STATE_HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(variable);
            saved[variable == std::string("XDG_STATE_HOME") ? 0 : 1] = value ? value : "";
        }
        setenv("XDG_STATE_HOME", (folder + "/state").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
        installGameMenu();
        addGameListener(titleFollowsGame);
        addGameListener(keepGame);
        addGameListener(followGame);
    }

    void TearDown() override {
        setComputerPlays(0, false);
        setComputerPlays(1, false);
        chooseEngine(Engine::Classic);  // the window's default player, for the tests that follow
        removeGameListeners();
        windowMenuHandler = nullptr;
        // The images of zoom 1 again, and the light samples that other suites of this binary render with.
        if (windowZoom() != 1 || squareImageSize() != SQUARE_SIZE) {
            setWindowZoom(1);
            renderSquareImages();
        }
        if (!lightSamples) buildLightSamples();
        MainWindowTest::TearDown();
        setOrUnset("XDG_STATE_HOME", saved[0]);
        setOrUnset("XDG_CONFIG_HOME", saved[1]);
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    static void setOrUnset(const char* variable, const std::string& value) {
        if (value.empty())
            unsetenv(variable);
        else
            setenv(variable, value.c_str(), 1);
    }

    // runEventLoop() lets the event loop run round by round until `done` holds, at most `rounds` rounds.
    template <class Done>
    static bool runEventLoop(Done done, int rounds = 2000) {
        for (int i = 0; i < rounds && !done(); ++i) Fl::check();
        return done();
    }

    // key() delivers a key as the toolkit offers an unused one to the window: as a shortcut, with the
    // text it types.
    int key(int keysym, int state, const char* text = "") {
        Fl::e_keysym = keysym;
        Fl::e_state = state;
        Fl::e_text = const_cast<char*>(text);
        Fl::e_length = static_cast<int>(std::strlen(text));
        return window->handle(FL_SHORTCUT);
    }

    // playByClicks() plays a legal move of the side to move as a person does, with two clicks.
    static void playByClicks(const Move& m) {
        click(m.fromRow, m.fromCol);
        click(m.toRow, m.toCol);
    }

    static void typeLimits(double depth, double seconds) {
        maxDepthInput->value(depth);
        maxTimeInput->value(seconds);
    }

    static std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string lastGameFile() const { return folder + "/state/tarnwick/last-game.txt"; }

    std::string folder;
    std::string saved[2];
};
