// The desktop program's settings and own options: the zoom read only in its plain decimal form from 1 to
// 4, stepped by quarters and applied to lengths; the settings file read forgivingly (anything damaged
// means the default) and written back; --computer, --zoom and --resume checked where they enter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "settings/desktop_options.h"
#include "settings/settings_file.h"
#include "settings/zoom.h"

namespace {

TEST(ZoomTest, OnlyPlainDecimalsFromOneToFourAreTaken) {
    struct Case {
        const char* text;
        double zoom;  // 0: refused
    };
    const Case cases[] = {
        {"1", 1},     {"4", 4},      {"1.5", 1.5}, {"2.25", 2.25}, {"01.50", 1.5}, {"3.999", 3.999},
        {"", 0},      {"0.99", 0},   {"4.01", 0},  {"5", 0},       {"abc", 0},     {"1e0", 0},
        {"+2", 0},    {"-1", 0},     {" 2", 0},    {"2 ", 0},      {"nan", 0},     {"inf", 0},
        {"1.", 0},    {".5", 0},     {"1,5", 0},   {"1.2.3", 0},   {"2x", 0},      {"00000000000000002", 0},
    };
    for (const Case& c : cases) {
        double zoom = -1;
        EXPECT_EQ(parseZoom(c.text, zoom), c.zoom != 0) << "'" << c.text << "'";
        EXPECT_EQ(zoom, c.zoom != 0 ? c.zoom : -1) << "'" << c.text << "'";
    }
}

TEST(ZoomTest, StepsGoToTheNextQuarterWithinOneToFour) {
    struct Case {
        double zoom;
        int direction;
        double stepped;
    };
    const Case cases[] = {
        {1, +1, 1.25}, {1.25, +1, 1.5}, {1.3, +1, 1.5}, {3.75, +1, 4}, {3.9, +1, 4}, {4, +1, 4},
        {4, -1, 3.75}, {1.3, -1, 1.25}, {1.25, -1, 1},  {1.1, -1, 1},  {1, -1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(steppedZoom(c.zoom, c.direction), c.stepped) << c.zoom << " " << c.direction;
    for (double zoom = 1; zoom <= 4; zoom += ZOOM_STEP) {
        double read = 0;
        ASSERT_TRUE(parseZoom(formatZoom(zoom), read)) << formatZoom(zoom);
        EXPECT_EQ(read, zoom);
    }
    EXPECT_EQ(formatZoom(1), "1");
    EXPECT_EQ(formatZoom(1.25), "1.25");
}

// A square of 31 pixels and a piece of 24 at the zooms of the menu: halves round away from zero.
TEST(ZoomTest, LengthsAreScaledToTheNearestPixel) {
    EXPECT_EQ(zoomedPixels(31, 1), 31);
    EXPECT_EQ(zoomedPixels(31, 2), 62);
    EXPECT_EQ(zoomedPixels(24, 2), 48);
    EXPECT_EQ(zoomedPixels(31, 1.25), 39);   // 38.75
    EXPECT_EQ(zoomedPixels(31, 1.5), 47);    // 46.5
    EXPECT_EQ(zoomedPixels(250, 1.25), 313);  // 312.5
    EXPECT_EQ(zoomedPixels(31, 4), 124);
    EXPECT_EQ(zoomedPixels(24, 4), 96);
}

TEST(SettingsTest, TheFileIsReadForgivinglyAndWrittenBack) {
    struct Case {
        const char* text;
        double zoom;
    };
    const Case cases[] = {
        {"zoom=2\n", 2},
        {"  zoom = 1.5  \r\n", 1.5},
        {"# a comment\n\nzoom=3", 3},
        {"colour=red\nzoom=2.5\nsound=off\n", 2.5},
        {"zoom=9\n", 1},
        {"zoom=abc\n", 1},
        {"zoom\n", 1},
        {"garbage", 1},
        {"", 1},
        {"\xff\xfe\x00zoom=2", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(parseSettings(c.text).zoom, c.zoom) << c.text;
    for (double zoom = 1; zoom <= 4; zoom += ZOOM_STEP) EXPECT_EQ(parseSettings(settingsText(Settings{zoom})).zoom, zoom);
}

// The settings under a configuration folder of the test's own.
TEST(SettingsTest, SavedSettingsAreLoadedAndAMissingOrUnwritableFileIsNoError) {
    char name[] = "/tmp/tarnwick-config-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string folder = name;
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";

    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    EXPECT_EQ(loadSettings().zoom, 1) << "no file yet";
    EXPECT_EQ(saveSettings(Settings{2.5}), "");
    EXPECT_EQ(loadSettings().zoom, 2.5);
    std::ofstream(folder + "/config/tarnwick/settings") << "zoom=seven\n";
    EXPECT_EQ(loadSettings().zoom, 1) << "a damaged file";

    std::ofstream(folder + "/file") << "x";
    setenv("XDG_CONFIG_HOME", (folder + "/file").c_str(), 1);
    EXPECT_EQ(saveSettings(Settings{2}), "cannot keep the settings in '" + folder + "/file/tarnwick/settings': Not a directory");
    EXPECT_EQ(loadSettings().zoom, 1);

    saved ? setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    std::system(("rm -rf '" + folder + "'").c_str());
}

TEST(DesktopOptionsTest, ComputerAndZoomAreCheckedWhereTheyEnter) {
    struct Case {
        const char* option;
        const char* value;
        const char* error;
        bool side0, side1;
        double zoom;
    };
    const Case cases[] = {
        {"--computer", "0", "", true, false, 1},
        {"--computer", "1", "", false, true, 1},
        {"--computer", "both", "", true, true, 1},
        {"--computer", "none", "", false, false, 1},
        {"--computer", "2", "option --computer: '2' is not 0, 1, both or none", false, false, 1},
        {"--computer", "Both", "option --computer: 'Both' is not 0, 1, both or none", false, false, 1},
        {"--computer", "", "option --computer: '' is not 0, 1, both or none", false, false, 1},
        {"--zoom", "1.5", "", false, false, 1.5},
        {"--zoom", "0.5", "option --zoom: '0.5' is not a number from 1 to 4 (such as 1.5)", false, false, 1},
        {"--zoom", "4.5", "option --zoom: '4.5' is not a number from 1 to 4 (such as 1.5)", false, false, 1},
        {"--zoom", "big", "option --zoom: 'big' is not a number from 1 to 4 (such as 1.5)", false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        DesktopOptions options;
        EXPECT_TRUE(isDesktopValueOption(c.option));
        EXPECT_EQ(parseDesktopOption(c.option, c.value, options), c.error);
        EXPECT_EQ(options.computerPlays[0], c.side0);
        EXPECT_EQ(options.computerPlays[1], c.side1);
        EXPECT_EQ(options.zoom, c.zoom);
        EXPECT_EQ(options.zoomGiven, std::string(c.option) == "--zoom" && c.error[0] == 0);
    }
    EXPECT_FALSE(isDesktopValueOption("--resume"));
    EXPECT_TRUE(isResumeOption("--resume"));
}

TEST(DesktopOptionsTest, EngineAndLevelAreCheckedWhereTheyEnter) {
    struct Case {
        const char* option;
        const char* value;
        const char* error;
        bool engineGiven;
        Engine engine;
        int level;
    };
    const Case cases[] = {
        {"--engine", "classic", "", true, Engine::Classic, 0},
        {"--engine", "strong", "", true, Engine::Strong, 0},
        {"--engine", "Strong", "option --engine: 'Strong' is not classic or strong", false, Engine::Classic, 0},
        {"--engine", "", "option --engine: '' is not classic or strong", false, Engine::Classic, 0},
        {"--level", "1", "", false, Engine::Classic, 1},
        {"--level", "10", "", false, Engine::Classic, 10},
        {"--level", "0", "option --level: '0' is not a whole number from 1 to 10", false, Engine::Classic, 0},
        {"--level", "11", "option --level: '11' is not a whole number from 1 to 10", false, Engine::Classic, 0},
        {"--level", "2.5", "option --level: '2.5' is not a whole number from 1 to 10", false, Engine::Classic, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        DesktopOptions options;
        EXPECT_TRUE(isDesktopValueOption(c.option));
        EXPECT_EQ(parseDesktopOption(c.option, c.value, options), c.error);
        EXPECT_EQ(options.engineGiven, c.engineGiven);
        EXPECT_EQ(options.engine, c.engine);
        EXPECT_EQ(options.level, c.level);
    }
    DesktopOptions both;
    both.engineGiven = true;
    both.level = 3;
    EXPECT_EQ(checkDesktopOptions(PositionOptions{}, both), "option --level brings its own player: it goes without --engine");
    both.engineGiven = false;
    EXPECT_EQ(checkDesktopOptions(PositionOptions{}, both), "");
}

TEST(DesktopOptionsTest, ResumeGoesWithNoPositionOption) {
    DesktopOptions resume;
    resume.resume = true;
    std::string error;
    PositionOptions none;
    EXPECT_EQ(checkDesktopOptions(none, resume), "");
    const char* const positionOptions[][2] = {{"--size", "6"}, {"--setup", "2"}, {"--moves", "B1-B3"}, {"--record", "g.txt"}};
    for (const auto& [option, value] : positionOptions) {
        PositionOptions position;
        parsePositionOption(option, value, false, position, error);
        EXPECT_EQ(checkDesktopOptions(position, resume),
                  std::string("option --resume cannot be combined with ") + option +
                      ": the last game gives the size, the setup and the moves");
        EXPECT_EQ(checkDesktopOptions(position, DesktopOptions{}), "") << "without --resume";
    }
}

}  // namespace
