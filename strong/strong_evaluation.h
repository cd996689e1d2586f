// The strong player's evaluation of an undecided position, for the side to move. It keeps the terms
// of the classic evaluation (moves/evaluate.h) and adds two that matches showed to pay: a bonus for
// having the move, and how closely each side's pieces are gathered.
#pragma once

#include <cstdint>

// TEMPO_BONUS: the side to move can improve its position at once; without the bonus the evaluation
// favours the side that just moved, and lines of odd and even length disagree by about two steps of
// connection distance.
constexpr int32_t TEMPO_BONUS = 2000;
// SPREAD_WEIGHT: per square squared of the mean squared distance of a side's pieces from their centre
// of mass. Gathered pieces connect sooner than the connection distance alone can tell.
constexpr int32_t SPREAD_WEIGHT = 1024;

// strongEvaluation() is 1024 per step of connection distance, 512 per obstructing piece and 1 per
// legal move in favour of the side to move, plus TEMPO_BONUS, plus SPREAD_WEIGHT times the other
// side's spread less its own. The position must be undecided: no side has all its pieces in one
// group.
int32_t strongEvaluation();

// spreadTimes16() is 16 times the mean squared distance of the side's pieces from their centre of
// mass (0 for a side without pieces).
int32_t spreadTimes16(int side);
