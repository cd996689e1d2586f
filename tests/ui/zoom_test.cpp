// The zoom: every widget of the window takes its place, size and font scaled, the squares tile the board
// at the size of the images rendered for the zoom, and a zoom step builds the window again around the same
// game and limits and keeps the zoom in the settings.
#include <FL/Fl_Box.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Value_Input.H>

#include <vector>

#include "tests/ui/desktop_fixture.h"
#include "ui/zoom.h"

namespace {

struct Geometry {
    int x, y, w, h, labelSize, textSize;
};

// layoutOf() is every child of the window, in creation order: its box and its font sizes.
std::vector<Geometry> layoutOf(Fl_Window* window) {
    std::vector<Geometry> layout;
    for (int i = 0; i < window->children(); ++i) {
        Fl_Widget* w = window->child(i);
        int textSize = 0;
        if (auto* input = dynamic_cast<Fl_Value_Input*>(w)) textSize = input->textsize();
        if (auto* output = dynamic_cast<Fl_Input_*>(w)) textSize = output->textsize();
        layout.push_back({w->x(), w->y(), w->w(), w->h(), w->labelsize(), textSize});
    }
    return layout;
}

TEST_F(DesktopTest, AtZoomTwoEveryWidgetHasTwiceItsPlaceSizeAndFont) {
    for (int size : {4, 8, 16}) {
        SCOPED_TRACE(size);
        openWindow(size);
        const std::vector<Geometry> actual = layoutOf(window);
        const int width = window->w(), height = window->h();
        setWindowZoom(2);
        openWindow(size);
        const std::vector<Geometry> doubled = layoutOf(window);
        setWindowZoom(1);
        EXPECT_EQ(window->w(), 2 * width);
        EXPECT_EQ(window->h(), 2 * height);
        ASSERT_EQ(doubled.size(), actual.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            const Geometry& a = actual[i];
            const Geometry& d = doubled[i];
            EXPECT_EQ(std::vector<int>({d.x, d.y, d.w, d.h, d.labelSize, d.textSize}),
                      std::vector<int>({2 * a.x, 2 * a.y, 2 * a.w, 2 * a.h, 2 * a.labelSize, 2 * a.textSize}))
                << "child " << i;
        }
    }
}

// At 1.25 and 1.5 the squares are 39 and 47 pixels (31 Z rounded): they lie edge to edge inside the frame,
// which keeps its two pixels (scaled) around them, and the panel and the strip below keep their scaled size.
TEST_F(DesktopTest, AtOtherZoomsTheSquaresTileTheBoardInsideItsFrame) {
    const double zooms[] = {1.25, 1.5, 4};
    const int squares[] = {39, 47, 124};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(zooms[k]);
        setWindowZoom(zooms[k]);
        openWindow(6);
        const int n = squares[k], origin = scaled(6);
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c) {
                const Fl_Widget* square = squareButton[r][c];
                EXPECT_EQ(std::vector<int>({square->x(), square->y(), square->w(), square->h()}),
                          std::vector<int>({origin + n * (c - 1), origin + n * (r - 1), n, n}));
            }
        EXPECT_EQ(boardFrame->x(), scaled(4));
        EXPECT_EQ(boardFrame->w(), 6 * n + scaled(4));
        EXPECT_EQ(window->w(), 6 * n + scaled(250));
        EXPECT_EQ(window->h(), 6 * n + scaled(50));
        EXPECT_EQ(restartButton->y(), 6 * n + scaled(20));
    }
    setWindowZoom(1);
}

TEST_F(DesktopTest, AZoomStepBuildsTheWindowAgainAroundTheSameGameAndKeepsTheZoom) {
    startGame(8, 3, {"B1-B3", "H7-G6"});
    undoButton->handle(FL_RELEASE);
    typeLimits(7, 3);
    const std::vector<std::pair<int, int>> shown = shownSquares();

    zoomIn();
    EXPECT_EQ(windowZoom(), 1.25);
    EXPECT_EQ(squareImageSize(), 39);
    EXPECT_EQ(window->w(), 625);
    EXPECT_EQ(window->h(), 375);
    EXPECT_EQ(squareButton[8][8]->w(), 39);
    EXPECT_EQ(shownSquares(), shown);
    EXPECT_TRUE(redoButton->visible());
    EXPECT_EQ(maxDepthInput->value(), 7);
    EXPECT_EQ(maxTimeInput->value(), 3);
    EXPECT_EQ(readFile(folder + "/config/tarnwick/settings"), "# Tarnwick's settings, written by the program.\nzoom=1.25\n");

    zoomIn();
    zoomIn();
    zoomOut();
    EXPECT_EQ(windowZoom(), 1.5);
    actualSize();
    EXPECT_EQ(windowZoom(), 1);
    EXPECT_EQ(squareImageSize(), 31);
    EXPECT_EQ(window->w(), 498);
    EXPECT_EQ(window->h(), 298);
    EXPECT_EQ(shownSquares(), shown);
    EXPECT_EQ(readFile(folder + "/config/tarnwick/settings"), "# Tarnwick's settings, written by the program.\nzoom=1\n");
}

}  // namespace
