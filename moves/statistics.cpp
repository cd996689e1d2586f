#include "moves/statistics.h"

#include "moves/evaluate.h"
#include "position/game_state.h"

void computeStatistics(SideStatistics stats[2]) {
    for (int s = 1; s >= 0; --s) {
        game.obstruction = 0;
        stats[s].distance = connectionDistance(s);
        stats[s].groups = game.groupCount[s];
        stats[1 - s].obstruction = game.obstruction;
        stats[s].pieces = game.pieceCount[s];
        stats[s].captures = game.sideCaptureCount[s];
        stats[s].moves = game.sideMoveCount[s];
    }
}
