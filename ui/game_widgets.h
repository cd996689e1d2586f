// The game window's widgets ("Game - Tarnwick 2.0", ui/game_window.h), reached through one global handle
// each: null until the window is built, and built again with it at another zoom. The move list, the
// graph and the two analyses show what they have through them.
#pragma once

class Evaluation_Graph;
class Fl_Box;
class Fl_Button;
class Fl_Check_Button;
class Fl_Multiline_Output;
class Fl_Progress;
class Fl_Value_Input;
class Fl_Window;
class Move_List;

extern Fl_Window* gameStudyWindow;  // the game window itself
// From the top: the move list and the line below it that tells the analysis of the move shown.
extern Move_List* moveList;
extern Fl_Box* moveNote;
extern Evaluation_Graph* evaluationGraph;
// The analysis of the whole game: its button, the depth, Stop and the progress.
extern Fl_Button* analyseGameButton;
extern Fl_Value_Input* analysisDepthInput;
extern Fl_Button* stopAnalysisButton;
extern Fl_Progress* analysisProgress;
// The line of the position shown: "Analyse position" and what it has found.
extern Fl_Check_Button* analysePositionButton;
extern Fl_Multiline_Output* positionLine;

// clearGameWidgetHandles() forgets the handles, before the widgets are built anew.
void clearGameWidgetHandles();
