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
// counts, without making a move: piece by piece, the twin that the tests compare edgeMoves() with.
MobilityKinds countMobility(int side);

// edgeMoves() is the side's moves that land on the edge, counted line by line from the lines' move
// masks: a few bits a line, where counting piece by piece looks at every direction of every piece.
int32_t edgeMoves(int side);
