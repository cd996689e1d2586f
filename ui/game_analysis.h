// "Analyse game": every move of the game's history, also of those taken back, analysed with the chosen
// computer player at the depth typed into the game window, as `tarnwick-cli analyse D` does for that
// player (analysis/game_analysis.h): the same scores, best moves and marks. It runs in the event loop, a
// move at a time, with the progress "move K of N" and Stop; each move's searches give way at once to
// any event that comes, and search that move again after it, so that the window always reacts. A new
// move or another game stops it; going back and forth does not. What it found shows in the move list and
// the graph for the moves of the history it covers, and Save as writes it into the record.
#pragma once

#include <string>

#include "analysis/game_analysis.h"
#include "records/record.h"
#include "ui/game_events.h"

// The depth of the analysis: the field's range and the value it starts with.
constexpr int MIN_ANALYSIS_DEPTH = 1;
constexpr int MAX_ANALYSIS_DEPTH = 30;
constexpr int DEFAULT_ANALYSIS_DEPTH = 4;

// windowAnalysis() is the analysis of the window's game: what "Analyse game" found so far, or what an
// opened record carried.
const GameAnalysis& windowAnalysis();

// canAnalyseGame() tells whether an analysis can start now: nobody thinks, none runs, and the game has
// a move.
bool canAnalyseGame();
bool gameAnalysisRunning();

// analyseGame() starts the analysis of the history's moves at the depth of the field, when it can;
// analyseGameAt() at the depth given.
void analyseGame();
void analyseGameAt(int depth);

// stopGameAnalysis() stops it; what it found so far stays.
void stopGameAnalysis();

// showRecordAnalysis() shows the analysis that a record just opened carries in its comments, without
// analysing again.
void showRecordAnalysis(const GameRecord& record);

// gameAnalysisFollows() is the analysis's part of the game window's listener: a new move stops it, another
// game also takes away what it found.
void gameAnalysisFollows(GameChange change);

// analysisProgressText() is the progress bar's text: "move K of N" while move K is analysed and when the
// last of N has been, "stopped at move K of N", or "" before any analysis and for one read from a record.
std::string analysisProgressText();

// showAnalysisProgress() puts the analysis's state into the progress bar and the two buttons.
void showAnalysisProgress();
