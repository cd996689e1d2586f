// Static evaluation: decides finished games and scores the others for the side that made the
// last move.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t WIN_SCORE = 1081606144;  // 0x40780000, base magnitude of a decided position
constexpr int32_t DECIDED_BOUND = 1073741824;  // |score| >= this: the game is decided

inline bool isOrdinaryScore(int32_t s) { return s > -DECIDED_BOUND && s < DECIDED_BOUND; }

// The weights of an undecided score: one step of connection distance, one obstructing enemy piece
// (a legal move weighs 1). A decided score grows by DECIDED_DEPTH_STEP per ply of remaining depth.
constexpr int32_t DISTANCE_WEIGHT = 1024;
constexpr int32_t OBSTRUCTION_WEIGHT = 512;
constexpr int32_t DECIDED_DEPTH_STEP = 512;

int32_t evaluate();
int connectionDistance(int side);
int projectionGapCost(const int32_t* own, const int32_t* opponent, int lineCount, int divisor);

// distanceCacheFault() returns "" when every connection distance that the evaluation keeps equals
// the one computed afresh from the position, else a line naming the difference.
std::string distanceCacheFault();
