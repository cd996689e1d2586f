// How a side's pieces lie on the board as a whole: how closely they gather about their centre of
// mass, how near the middle of the board they and their centre stand, and the rectangle they span.
// Pieces close together connect in few moves; pieces in the middle have the most room to move, and
// a centre of mass in the middle leaves the fewest pieces stranded on an edge.
#pragma once

#include <cstdint>

struct Concentration {
    int32_t spread;          // 16 times the mean squared distance of the pieces from their centre of mass
    int32_t concentration;   // 16 times the mean king distance from the centre of mass beyond the least
                             // that as many pieces packed together could have
    int32_t decentralisation;  // 16 times the mean king distance of the pieces from the board's middle
    int32_t centreOffset;    // 16 times the king distance of the centre of mass from the board's middle
    int32_t area;            // squares of the smallest rectangle holding every piece
};

// measureConcentration() measures the side's pieces; a side without pieces measures 0 throughout.
Concentration measureConcentration(int side);

// leastDistanceSum() is the least sum of king distances from a centre that `pieces` pieces on
// distinct squares can have: the centre square, then 8 at distance 1, 16 at distance 2, ...
int32_t leastDistanceSum(int pieces);
