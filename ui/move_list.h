// The move list of the game window: a line per move of the game's history, also of the moves taken back,
//
//     start
//     1. B1-B3        3589
//     1... H7-G6      -1
//     2. C8-C6        2052 ?
//     1-0 side 0 connected
//
// with the score and the mark of each move the analysis covers (ui/game_analysis.h), and after a decided
// game the result. The line of the position shown is selected; a click on a line, or Up, Down, Home,
// End, Page Up and Page Down while the list has the focus, show the position after that move as the
// navigation buttons would. While the computer thinks the list does not act. The line below the list
// tells what the analysis found for the move that led to the position shown.
#pragma once

#include <FL/Fl_Hold_Browser.H>

#include <string>
#include <vector>

// Page Up and Page Down go this many moves back or forward.
constexpr int MOVE_LIST_PAGE = 10;

class Move_List : public Fl_Hold_Browser {
public:
    Move_List(int x, int y, int w, int h);
    int handle(int event) override;

private:
    int columns[4];  // the widths of the number, move and score columns, and the end of the list
};

// handleListKey() acts on the key of the current event when it is one of the list's (Up, Down, Page Up,
// Page Down, Home or End, without Ctrl, Alt or Meta), and tells whether it was.
bool handleListKey();

// moveListLines() is the text of every line of the list for the game and the analysis as they are, the
// columns split by tabs.
std::vector<std::string> moveListLines();

// moveNoteText() is the line below the list: "5. B8-D6: -1545 ??, best B8-B6 2049", "1. B1-B3: 3589,
// the best move", or "" when the analysis does not cover the move shown or none was made.
std::string moveNoteText();

// refreshMoveList() brings the list and the line below it up to date and selects, and scrolls to, the
// line of the position shown. Nothing happens while the game window has not been built.
void refreshMoveList();
