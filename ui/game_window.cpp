#include "ui/game_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Value_Input.H>

#include <algorithm>

#include "ui/evaluation_graph.h"
#include "ui/game_analysis.h"
#include "ui/game_keys.h"
#include "ui/game_widgets.h"
#include "ui/main_window.h"
#include "ui/move_list.h"
#include "ui/position_analysis.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"

namespace {

// The layout at zoom 1, in pixels, from the top; every length is scaled by the zoom.
constexpr int WIDTH = 300, PAD = 5, INNER = WIDTH - 2 * PAD;
constexpr int LIST_Y = 5, LIST_H = 180;
constexpr int NOTE_Y = 186, NOTE_H = 20;
constexpr int GRAPH_Y = 208, GRAPH_H = 100;
constexpr int CONTROLS_Y = 313, CONTROL_H = 25;
constexpr int ANALYSE_W = 115, DEPTH_X = 170, DEPTH_W = 32, STOP_X = 235, STOP_W = 60;
constexpr int PROGRESS_Y = 343, PROGRESS_H = 20;
constexpr int POSITION_Y = 368;
constexpr int LINE_Y = 395, LINE_H = 52;
constexpr int HEIGHT = 452;
constexpr int GAP = 10;  // between the main window and this one

void onAnalyseGame(Fl_Widget*, void*) { analyseGame(); }
void onStop(Fl_Widget*, void*) { stopGameAnalysis(); }
void onAnalysePosition(Fl_Widget* button, void*) { setPositionAnalysis(static_cast<Fl_Check_Button*>(button)->value()); }
void onClose(Fl_Widget*, void*) { hideGameWindow(); }

void buildAnalysisControls() {
    analyseGameButton = new Fl_Button(scaled(PAD), scaled(CONTROLS_Y), scaled(ANALYSE_W), scaled(CONTROL_H), "Analyse game");
    analyseGameButton->tooltip("Analyse game: the computer player scores every move at the depth beside (Ctrl+A)");
    analyseGameButton->callback(onAnalyseGame);
    analyseGameButton->clear_visible_focus();
    analysisDepthInput = new Fl_Value_Input(scaled(DEPTH_X), scaled(CONTROLS_Y), scaled(DEPTH_W), scaled(CONTROL_H), "depth ");
    analysisDepthInput->step(1);
    analysisDepthInput->value(DEFAULT_ANALYSIS_DEPTH);
    analysisDepthInput->bounds(MIN_ANALYSIS_DEPTH, MAX_ANALYSIS_DEPTH);
    analysisDepthInput->tooltip("The depth of the analysis of the game, 1 to 30: the search of every move looks this far");
    stopAnalysisButton = new Fl_Button(scaled(STOP_X), scaled(CONTROLS_Y), scaled(STOP_W), scaled(CONTROL_H), "Stop");
    stopAnalysisButton->tooltip("Stop the analysis of the game; what it has found stays");
    stopAnalysisButton->callback(onStop);
    stopAnalysisButton->clear_visible_focus();
    analysisProgress = new Fl_Progress(scaled(PAD), scaled(PROGRESS_Y), scaled(INNER), scaled(PROGRESS_H));
    analysisProgress->selection_color(fl_rgb_color(120, 160, 220));
}

void buildPositionAnalysis() {
    analysePositionButton =
        new Fl_Check_Button(scaled(PAD), scaled(POSITION_Y), scaled(INNER), scaled(CONTROL_H), "Analyse position");
    analysePositionButton->tooltip(
        "Analyse position: the strong player thinks on the position shown without end and shows its line (Ctrl+L)");
    analysePositionButton->callback(onAnalysePosition);
    analysePositionButton->clear_visible_focus();
    positionLine = new Fl_Multiline_Output(scaled(PAD), scaled(LINE_Y), scaled(INNER), scaled(LINE_H));
    positionLine->wrap(1);
    positionLine->tooltip("The line of the position shown: the depth, the score for the side to move and the moves expected");
}

// buildGameWidgets() creates the widgets inside the current group, the game window, in the order of the
// keyboard focus: the list first.
void buildGameWidgets() {
    clearGameWidgetHandles();
    Fl_Group::current()->resizable(nullptr);
    moveList = new Move_List(scaled(PAD), scaled(LIST_Y), scaled(INNER), scaled(LIST_H));
    moveList->textsize(scaled(NORMAL_FONT_SIZE));
    moveNote = new Fl_Box(scaled(PAD), scaled(NOTE_Y), scaled(INNER), scaled(NOTE_H));
    moveNote->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    evaluationGraph = new Evaluation_Graph(scaled(PAD), scaled(GRAPH_Y), scaled(INNER), scaled(GRAPH_H));
    evaluationGraph->tooltip("The value after every move for side 0 (up: better for side 0); a click shows that position");
    buildAnalysisControls();
    buildPositionAnalysis();
    scaleFonts(Fl_Group::current());
}

// showEverything() fills every widget from the game, the analyses and their state.
void showEverything() {
    refreshMoveList();
    refreshGraph();
    showAnalysisProgress();
    analysePositionButton->value(positionAnalysisOn());
    positionLine->value(positionLineText().c_str());
}

}  // namespace

void buildGameWindow() {
    if (gameStudyWindow) return;
    int width = 0, height = 0;
    gameWindowSize(width, height);
    gameStudyWindow = new Game_Window(width, height, GAME_WINDOW_TITLE);
    gameStudyWindow->callback(onClose);
    buildGameWidgets();
    gameStudyWindow->end();
}

namespace {

// placeBesideMainWindow() puts the window beside the main one within the screen's work area.
void placeBesideMainWindow() {
    int sx = 0, sy = 0, sw = 0, sh = 0;
    Fl::screen_work_area(sx, sy, sw, sh, gameWindow->x(), gameWindow->y());
    const int w = gameStudyWindow->w(), right = gameWindow->x() + gameWindow->w() + scaled(GAP);
    int x = right;
    if (right + w > sx + sw) x = gameWindow->x() - scaled(GAP) - w >= sx ? gameWindow->x() - scaled(GAP) - w : sx + sw - w;
    const int y = std::max(sy, std::min(gameWindow->y(), sy + sh - gameStudyWindow->h()));
    gameStudyWindow->position(std::max(x, sx), y);
}

}  // namespace

// Game_Window::handle() hands the keys its widgets leave to the list, which takes those that go up and
// down it also without the focus, then to the game's keys and to the menu, as the main window would.
int Game_Window::handle(int event) {
    if (event == FL_SHORTCUT) {
        if (handleListKey()) return 1;
        if (handleGameKey(gameWindow)) return 1;
        if (windowMenuHandler && windowMenuHandler(event)) return 1;
    }
    return Fl_Window::handle(event);
}

void gameWindowSize(int& width, int& height) {
    width = scaled(WIDTH);
    height = scaled(HEIGHT);
}

void showGameWindow() {
    buildGameWindow();
    showEverything();
    if (gameStudyWindow->shown()) return;
    placeBesideMainWindow();
    gameStudyWindow->show();
}

void hideGameWindow() {
    if (!gameStudyWindow) return;
    setPositionAnalysis(false);
    gameStudyWindow->hide();
}

bool gameWindowShown() { return gameStudyWindow && gameStudyWindow->shown(); }

void toggleGameWindow() {
    if (gameWindowShown())
        hideGameWindow();
    else
        showGameWindow();
}

void rebuildGameWindow() {
    if (!gameStudyWindow) return;
    const double depth = analysisDepthInput->value();
    gameStudyWindow->clear();
    int width = 0, height = 0;
    gameWindowSize(width, height);
    gameStudyWindow->size(width, height);
    gameStudyWindow->size_range(width, height, width, height);
    gameStudyWindow->begin();
    buildGameWidgets();
    gameStudyWindow->end();
    analysisDepthInput->value(depth);
    showEverything();
    gameStudyWindow->redraw();
}

void followGameInGameWindow(GameChange change) {
    gameAnalysisFollows(change);
    refreshMoveList();
    refreshGraph();
    showAnalysisProgress();
    positionAnalysisFollows(change);
}
