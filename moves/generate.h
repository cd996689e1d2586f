// Move generation: every legal move of the side to move, statically scored, into a MoveList.
#pragma once

#include "moves/move_list.h"

void generateMoves(MoveList& list);
