// The graph of the game window: the value of the position after each move, for side 0 (up is good for
// side 0), as a line over the plies of the game's history, from what the analysis of the game found.
// Decided positions lie on the top or bottom edge; ordinary values are drawn on a scale that grows
// slower as they grow, so that two steps of connection distance stand out as clearly near 0 as a far
// larger lead does near the edge. The ply shown is marked by a vertical line, the moves marked ? and ??
// by dots of two colours. A click shows the position after the nearest ply, as the navigation buttons
// would; while the computer thinks the graph does not act. Before an analysis it is empty, with a line
// that says how to fill it.
#pragma once

#include <FL/Fl_Widget.H>

#include <cstdint>
#include <vector>

#include "analysis/game_analysis.h"

// What the graph shows: the plies of the history, the values after each ply that the analysis covers
// (values[p] after p moves), the mark of each move analysed (marks[p] of the move that leads to ply
// p + 1) and the ply shown.
struct GraphPoints {
    int plies = 0;
    std::vector<int32_t> values;
    std::vector<Mark> marks;
    int shownPly = 0;
};

class Evaluation_Graph : public Fl_Widget {
public:
    Evaluation_Graph(int x, int y, int w, int h);
    void draw() override;
    int handle(int event) override;

    // plyAt() is the ply nearest to the window's x coordinate; plyX() the x coordinate of a ply.
    int plyAt(int x) const;
    int plyX(int ply) const;

    GraphPoints points;

private:
    int valueY(int32_t value) const;
    void drawArea() const;
    void drawLine() const;
    void drawMarks() const;
};

// GRAPH_EMPTY_TEXT is what the graph says before an analysis.
extern const char* const GRAPH_EMPTY_TEXT;

// graphHeight() maps a value for side 0 to -1 (side 1 has won) .. 1 (side 0 has won).
double graphHeight(int32_t value);

// graphPoints() is what the graph shows for the game and the analysis as they are.
GraphPoints graphPoints();

// refreshGraph() gives the graph its points and redraws it; nothing happens while the game window has
// not been built.
void refreshGraph();
