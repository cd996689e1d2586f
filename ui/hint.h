// The hint: the computer's choice for the side to move, with the limits typed into the main window,
// shown as a selection on the board (ui/board_view.h): the suggested piece selected and only its
// suggested target raised. The hint plays nothing and leaves the history as it was; while it searches
// it shows the same progress as a think.
#pragma once

// canHint() tells whether a hint can be given now: nobody thinks, the game is undecided and the side
// to move has a legal move.
bool canHint();

// showComputerHint() searches and shows the hint, when canHint().
void showComputerHint();
