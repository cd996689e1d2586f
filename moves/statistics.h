// The six numbers per side of the main window's statistics panel, computed from the position.
#pragma once

struct SideStatistics {
    int distance;     // connection distance: piece moves still needed to connect, estimated
    int groups;       // 8-connected groups of the side's pieces
    int obstruction;  // obstruction caused: this side's pieces inside the other side's bands
    int pieces;       // pieces on the board
    int captures;     // capturing moves
    int moves;        // legal moves
};

// computeStatistics() fills one entry per side, side 1 first as the panel does. Measuring side s's
// connection distance counts the enemy pieces that stand in s's bands; that figure is the enemy's
// obstruction and goes into the enemy's column.
void computeStatistics(SideStatistics stats[2]);
