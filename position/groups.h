// Group connectivity: each side's 8-connected groups of pieces and their number, kept current by
// placePiece and removePiece without flooding the whole board.
#pragma once

#include <cstdint>

// RingSplitTable[mask] = (number of separate runs among the own neighbours in mask) - 1.
extern const int8_t (&RingSplitTable)[256];

// Called by placePiece / removePiece once the cell has been written.
void joinGroupsOnPlace(int id);
void splitGroupOnRemove(int id);

void mergeGroups(int x, int y);  // relabel group x into group y
void regroupFrom(int z);         // flood z's group, giving it id z and a fresh stamp
