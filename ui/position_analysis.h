// "Analyse position": the strong player thinks on the position shown without end, and the game window
// shows after every completed iteration what it expects,
//
//     depth 9  score 2049  B8-B6 H7-G6 C1-C3 ...
//
// the depth, the score for the side to move and the line of moves it expects from here, in notation.
// It plays nothing and never changes the history. It runs in the event loop, where it gives way at once
// to any event (ui/fltk_toolkit.h: EventsHeldBack) and goes on after it; the side's table keeps what it
// learnt, so that it deepens again quickly. Any action on the game makes it start again on the position
// then shown; it waits while the computer thinks, and stops by itself once its line decides the game.
#pragma once

#include <string>

#include "ui/game_events.h"

// setPositionAnalysis() switches it on or off; positionAnalysisOn() tells which.
void setPositionAnalysis(bool on);
bool positionAnalysisOn();

// positionLineText() is what the line shows: the last iteration's line, "the game is over", "no legal
// move" or "" before the first iteration and while it is off.
std::string positionLineText();

// positionAnalysisFollows() is its part of the game window's listener: every change of the game is a new
// position to think on.
void positionAnalysisFollows(GameChange change);
