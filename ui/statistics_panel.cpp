#include "ui/statistics_panel.h"

#include <FL/Fl_Box.H>

#include "moves/statistics.h"
#include "ui/widgets.h"

namespace {

// Each field is 2 or 3 digits wide.
constexpr int STAT_DIGITS[STAT_ROWS] = {2, 2, 3, 2, 3, 3};

// Each statistic box keeps its own text: the toolkit holds only a pointer to a label.
char statText[STAT_ROWS][2][4];

void setStatistic(int row, int side, int value) {
    char* text = statText[row][side];
    writeDigits(text, value, STAT_DIGITS[row]);
    statBox[row][side]->label(text);
    statBox[row][side]->redraw_label();
}

}  // namespace

// refreshStatistics() fills the panel from computeStatistics, which measures side 1 first and puts the
// obstruction measured with a side's distance into the other side's column, as the panel shows it.
void refreshStatistics() {
    SideStatistics stats[2];
    computeStatistics(stats);
    for (int s = 1; s >= 0; --s) {
        setStatistic(STAT_DISTANCE, s, stats[s].distance);
        setStatistic(STAT_GROUPS, s, stats[s].groups);
        setStatistic(STAT_OBSTRUCTION, s, stats[s].obstruction);
        setStatistic(STAT_PIECES, s, stats[s].pieces);
        setStatistic(STAT_CAPTURES, s, stats[s].captures);
        setStatistic(STAT_MOVES, s, stats[s].moves);
    }
}

void writeDigits(char* out, int value, int width) {
    if (width == 2) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + (value - 10 * (value / 10)));
    } else {
        out[0] = static_cast<char>('0' + value / 100);
        out[1] = static_cast<char>('0' + (value / 10 - 10 * (value / 100)));
        out[2] = static_cast<char>('0' + value % 10);
    }
    out[width] = '\0';
}
