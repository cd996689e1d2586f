// Static evaluation: decides finished games and scores the others for the side that made the
// last move.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t WIN_SCORE = 1081606144;  // 0x40780000, base magnitude of a decided position

int32_t evaluate();
int connectionDistance(int side);
int projectionGapCost(const int32_t* own, const int32_t* opponent, int lineCount, int divisor);

// distanceCacheFault() returns "" when every connection distance that the evaluation keeps equals
// the one computed afresh from the position, else a line naming the difference.
std::string distanceCacheFault();
