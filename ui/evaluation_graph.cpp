#include "ui/evaluation_graph.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "moves/evaluate.h"
#include "position/game_state.h"
#include "position/history.h"
#include "ui/game_analysis.h"
#include "ui/game_widgets.h"
#include "ui/navigation.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"

const char* const GRAPH_EMPTY_TEXT = "Analyse game (Ctrl+A) draws the value of every move here";

namespace {

// A value of this size stands at half the height between the middle and the edge: two steps of
// connection distance reach 40% of it.
constexpr double HALF_HEIGHT_VALUE = 3 * DISTANCE_WEIGHT;
// At zoom 1, in pixels: the margin inside the frame, the widths of the lines and the dots' radius.
constexpr int MARGIN = 6, LINE_WIDTH = 2, DOT_RADIUS = 4;

const Fl_Color AREA_COLOUR = fl_rgb_color(200, 200, 215);
const Fl_Color LINE_COLOUR = fl_rgb_color(40, 40, 60);
const Fl_Color SHOWN_COLOUR = fl_rgb_color(40, 90, 200);
const Fl_Color DUBIOUS_COLOUR = fl_rgb_color(235, 150, 0);
const Fl_Color BLUNDER_COLOUR = fl_rgb_color(210, 0, 0);

}  // namespace

double graphHeight(int32_t value) {
    if (value >= DECIDED_BOUND) return 1;
    if (value <= -DECIDED_BOUND) return -1;
    return value / (std::abs(static_cast<double>(value)) + HALF_HEIGHT_VALUE);
}

Evaluation_Graph::Evaluation_Graph(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
    box(FL_DOWN_BOX);
    color(FL_BACKGROUND2_COLOR);
}

int Evaluation_Graph::plyX(int ply) const {
    const int left = x() + scaled(MARGIN), width = w() - 2 * scaled(MARGIN);
    return left + static_cast<int>(std::lround(static_cast<double>(width) * ply / std::max(points.plies, 1)));
}

int Evaluation_Graph::plyAt(int atX) const {
    const int left = x() + scaled(MARGIN), width = std::max(w() - 2 * scaled(MARGIN), 1);
    const long ply = std::lround(static_cast<double>(atX - left) * std::max(points.plies, 1) / width);
    return static_cast<int>(std::clamp<long>(ply, 0, points.plies));
}

int Evaluation_Graph::valueY(int32_t value) const {
    const int middle = y() + h() / 2, half = h() / 2 - scaled(MARGIN);
    return middle - static_cast<int>(std::lround(half * graphHeight(value)));
}

// drawArea() fills the space between the line and the middle, each stretch between two plies as one or,
// where the line crosses the middle, two triangles.
void Evaluation_Graph::drawArea() const {
    const int middle = valueY(0);
    fl_color(AREA_COLOUR);
    for (size_t p = 1; p < points.values.size(); ++p) {
        const int x0 = plyX(static_cast<int>(p - 1)), x1 = plyX(static_cast<int>(p));
        const int y0 = valueY(points.values[p - 1]), y1 = valueY(points.values[p]);
        if ((y0 < middle) == (y1 < middle) || y0 == middle || y1 == middle) {
            fl_polygon(x0, middle, x0, y0, x1, y1, x1, middle);
            continue;
        }
        const int crossing = x0 + (x1 - x0) * (middle - y0) / (y1 - y0);
        fl_polygon(x0, middle, x0, y0, crossing, middle);
        fl_polygon(crossing, middle, x1, y1, x1, middle);
    }
}

void Evaluation_Graph::drawLine() const {
    fl_color(LINE_COLOUR);
    fl_line_style(FL_SOLID, scaled(LINE_WIDTH));
    for (size_t p = 1; p < points.values.size(); ++p)
        fl_line(plyX(static_cast<int>(p - 1)), valueY(points.values[p - 1]), plyX(static_cast<int>(p)),
                valueY(points.values[p]));
    fl_line_style(0);
}

void Evaluation_Graph::drawMarks() const {
    const int r = scaled(DOT_RADIUS);
    for (size_t i = 0; i < points.marks.size() && i + 1 < points.values.size(); ++i) {
        if (points.marks[i] == Mark::Plain) continue;
        fl_color(points.marks[i] == Mark::Blunder ? BLUNDER_COLOUR : DUBIOUS_COLOUR);
        const int cx = plyX(static_cast<int>(i + 1)), cy = valueY(points.values[i + 1]);
        fl_pie(cx - r, cy - r, 2 * r + 1, 2 * r + 1, 0, 360);
    }
}

// draw() reads only the points, never the game: it may run while a search has the position.
void Evaluation_Graph::draw() {
    draw_box();
    fl_push_clip(x() + Fl::box_dx(box()), y() + Fl::box_dy(box()), w() - Fl::box_dw(box()), h() - Fl::box_dh(box()));
    const int middle = valueY(0);
    fl_color(FL_INACTIVE_COLOR);
    fl_line(x() + scaled(MARGIN), middle, x() + w() - scaled(MARGIN), middle);
    if (points.values.empty()) {
        fl_color(FL_INACTIVE_COLOR);
        fl_font(FL_HELVETICA, labelsize());
        fl_draw(GRAPH_EMPTY_TEXT, x(), y(), w(), h() / 2, FL_ALIGN_CENTER | FL_ALIGN_WRAP);
    } else {
        drawArea();
        drawLine();
    }
    fl_color(SHOWN_COLOUR);
    fl_line_style(FL_SOLID, scaled(1));
    const int shownX = plyX(points.shownPly);
    fl_line(shownX, y() + scaled(MARGIN) / 2, shownX, y() + h() - scaled(MARGIN) / 2);
    fl_line_style(0);
    drawMarks();
    fl_pop_clip();
}

int Evaluation_Graph::handle(int event) {
    switch (event) {
        case FL_PUSH:
        case FL_DRAG:
            if (!thinking && Fl::event_button() == FL_LEFT_MOUSE) showPly(plyAt(Fl::event_x()));
            return 1;
        case FL_RELEASE:
            return 1;
        default:
            return Fl_Widget::handle(event);
    }
}

GraphPoints graphPoints() {
    GraphPoints points;
    points.plies = gameHistory.historyLength;
    points.shownPly = game.historyPosition;
    const GameAnalysis& analysis = windowAnalysis();
    const size_t covered = analysedMoves(analysis);
    if (covered == 0) return points;
    for (size_t p = 0; p <= covered; ++p) points.values.push_back(positionValue(analysis, p));
    for (size_t i = 0; i < covered; ++i) points.marks.push_back(analysis.moves[i].mark);
    return points;
}

void refreshGraph() {
    if (!evaluationGraph) return;
    evaluationGraph->points = graphPoints();
    evaluationGraph->redraw();
}
