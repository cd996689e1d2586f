#include "ui/move_list.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "analysis/game_analysis.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "records/record.h"
#include "ui/game_analysis.h"
#include "ui/game_widgets.h"
#include "ui/navigation.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"

namespace {

// The columns at zoom 1, in pixels: "12...", "C10xE12", the score and its mark.
constexpr int NUMBER_COLUMN = 50, MOVE_COLUMN = 75;

// moveNumber() is "N." before side 0's move of pair N and "N..." before side 1's.
std::string moveNumber(int index) {
    return std::to_string(index / 2 + 1) + (index % 2 == 0 ? "." : "...");
}

// finalResult() is the result line of a decided game, "" while it goes on: the position after every
// move of the history, also of those taken back, is looked at and put back.
std::string finalResult() {
    const SavedGame saved;
    while (game.historyPosition < gameHistory.historyLength) redoStep();
    const int won = winner();
    if (won < 0) return "";
    return std::string(resultToken()) + " side " + std::to_string(won) + " connected";
}

// The list's callback: the position after the move of the line chosen. The result line stands for the
// last move.
void onLineChosen(Fl_Widget* widget, void*) {
    const int line = static_cast<Move_List*>(widget)->value();
    if (line > 0) showPly(line - 1);
    refreshMoveList();
}

// keyTarget() is the ply that a navigation key of the list goes to, or -1 for any other key.
int keyTarget(int key) {
    const int shown = game.historyPosition, last = gameHistory.historyLength;
    switch (key) {
        case FL_Up: return std::max(shown - 1, 0);
        case FL_Down: return std::min(shown + 1, last);
        case FL_Page_Up: return std::max(shown - MOVE_LIST_PAGE, 0);
        case FL_Page_Down: return std::min(shown + MOVE_LIST_PAGE, last);
        case FL_Home: return 0;
        case FL_End: return last;
        default: return -1;
    }
}

bool sameLines(const Move_List* list, const std::vector<std::string>& lines) {
    if (list->size() != static_cast<int>(lines.size())) return false;
    for (int i = 0; i < list->size(); ++i)
        if (lines[i] != list->text(i + 1)) return false;
    return true;
}

}  // namespace

Move_List::Move_List(int x, int y, int w, int h)
    : Fl_Hold_Browser(x, y, w, h), columns{scaled(NUMBER_COLUMN), scaled(MOVE_COLUMN), 0, 0} {
    column_char('\t');
    column_widths(columns);
    format_char(0);  // a line is shown as written
    callback(onLineChosen);
    when(FL_WHEN_CHANGED);
}

// Move_List::handle() takes the navigation keys for itself, and nothing acts while the computer thinks:
// the position on the board is then the search's.
int Move_List::handle(int event) {
    if (event == FL_KEYBOARD) return handleListKey() ? 1 : Fl_Hold_Browser::handle(event);
    if (thinking && (event == FL_PUSH || event == FL_DRAG || event == FL_RELEASE)) return 1;
    return Fl_Hold_Browser::handle(event);
}

bool handleListKey() {
    const int target = keyTarget(Fl::event_key());
    if (target < 0 || (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META))) return false;
    if (!thinking) showPly(target);
    return true;
}

std::vector<std::string> moveListLines() {
    const GameAnalysis& analysis = windowAnalysis();
    const size_t covered = analysedMoves(analysis);
    std::vector<std::string> lines{"start"};
    for (int i = 0; i < gameHistory.historyLength; ++i) {
        std::string line = moveNumber(i) + "\t" + moveText(gameHistory.historyMoves[i]);
        if (static_cast<size_t>(i) < covered) {
            const MoveAnalysis& move = analysis.moves[i];
            const std::string mark = markText(move.mark);
            line += "\t" + std::to_string(move.score) + (mark.empty() ? "" : " " + mark);
        }
        lines.push_back(line);
    }
    const std::string result = finalResult();
    if (!result.empty()) lines.push_back(result);
    return lines;
}

std::string moveNoteText() {
    const int ply = game.historyPosition;
    const GameAnalysis& analysis = windowAnalysis();
    if (ply == 0 || static_cast<size_t>(ply) > analysedMoves(analysis)) return "";
    const MoveAnalysis& move = analysis.moves[ply - 1];
    const std::string mark = markText(move.mark);
    std::string text = moveNumber(ply - 1) + " " + moveText(move.played) + ": " + std::to_string(move.score);
    if (!mark.empty()) text += " " + mark;
    const bool best = moveText(move.best) == moveText(move.played);
    return text + (best ? ", the best move" : ", best " + moveText(move.best) + " " + std::to_string(move.bestScore));
}

void refreshMoveList() {
    if (!moveList) return;
    const std::vector<std::string> lines = moveListLines();
    if (!sameLines(moveList, lines)) {
        moveList->clear();
        for (const std::string& line : lines) moveList->add(line.c_str());
    }
    const int shown = game.historyPosition + 1;
    moveList->select(shown);
    // Where the lines stand is known once the window is shown: the font is measured on the display.
    if (gameStudyWindow->shown() && !moveList->displayed(shown)) moveList->middleline(shown);
    moveNote->copy_label(moveNoteText().c_str());
}
