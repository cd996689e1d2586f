#include "ui/game_widgets.h"

Fl_Window* gameStudyWindow = nullptr;
Move_List* moveList = nullptr;
Fl_Box* moveNote = nullptr;
Evaluation_Graph* evaluationGraph = nullptr;
Fl_Button* analyseGameButton = nullptr;
Fl_Value_Input* analysisDepthInput = nullptr;
Fl_Button* stopAnalysisButton = nullptr;
Fl_Progress* analysisProgress = nullptr;
Fl_Check_Button* analysePositionButton = nullptr;
Fl_Multiline_Output* positionLine = nullptr;

void clearGameWidgetHandles() {
    moveList = nullptr;
    moveNote = nullptr;
    evaluationGraph = nullptr;
    analyseGameButton = stopAnalysisButton = nullptr;
    analysisDepthInput = nullptr;
    analysisProgress = nullptr;
    analysePositionButton = nullptr;
    positionLine = nullptr;
}
