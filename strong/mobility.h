// A side's legal moves by their kind. A capture takes an enemy piece out of its group and often
// breaks it; a move that lands on the edge of the board goes where a piece has the least room and
// the fewest neighbours; the others are the side's ordinary freedom to move.
#pragma once

#include <cstdint>

struct MobilityKinds {
    int32_t moves;     // every legal move
    int32_t captures;  // those landing on an enemy piece
    int32_t toEdge;    // those landing on the board's edge
};

// countMobility() counts the side's legal moves by kind, from its pieces' move bits and the line
// counts, without making a move.
MobilityKinds countMobility(int side);
