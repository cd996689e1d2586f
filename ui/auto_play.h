// The computer answering by itself: with "Computer plays side S" on, the computer thinks for side S,
// with the limits typed into the main window, whenever side S is to move at the end of the history in
// an unfinished game. Each of these thinks starts from the event loop, by a zero-length time-out, never
// from inside another think; between two moves the toolkit handles the events waiting, draws the window
// and the menu can be used.
// Going back and forth in the history never starts one.
#pragma once

#include "ui/game_events.h"

// setComputerPlays() switches the automatic play of a side on or off. Switched on, the computer starts
// at once when the side is due. Switched off, it plays no further move for the side; a think under way
// ends as usual and its move is played.
void setComputerPlays(int side, bool on);
bool computerPlays(int side);

// computerIsDue() tells whether the computer is to think now: its side is to move at the end of the
// history, the game is undecided.
bool computerIsDue();

// startComputerIfDue() arranges the computer's think from the event loop when it is due, and cancels one
// arranged earlier that is no longer due. While the computer thinks it does nothing: the end of that
// think tells the listeners, which call it again.
void startComputerIfDue();

// followGame() is the game listener of the automatic play: a move played or a game replaced may make
// the computer due; navigation never does.
void followGame(GameChange change);
