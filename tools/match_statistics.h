// The arithmetic of a match: the Elo difference that a score stands for with its 95% interval, and
// the sequential probability ratio test that ends a match once its result is clear.
#pragma once

#include <string>

// eloOf() is the Elo difference that an expected score p (strictly between 0 and 1) stands for;
// expectedScore() is its inverse.
double eloOf(double p);
double expectedScore(double elo);

// eloText() writes the Elo difference of score p, "inf" or "-inf" where it has no finite value.
std::string eloText(double p);

// scoreSummary() is the last line of a match: A's wins, losses and unfinished games (each worth
// half), its score, the Elo difference of that score and the half-width of its 95% interval, from
// the spread of the games' results.
std::string scoreSummary(const std::string& a, const std::string& b, long wins, long losses, long unfinished);

// The results of game pairs, the two games of one opening with the sides swapped, counted by the
// first player's points in the pair: pairs[k] is the number of pairs in which it scored k / 2 points
// (0, 0.5, 1, 1.5 or 2; an unfinished game is worth half a point).
struct PairResults {
    long pairs[5] = {0, 0, 0, 0, 0};
};

// The test of H0, "A is elo0 stronger than B", against H1, "elo1 stronger", with error rates alpha
// and beta.
struct SprtTest {
    double elo0, elo1;
    double alpha = 0.05, beta = 0.05;
};

enum class SprtVerdict { Undecided, H0Accepted, H1Accepted };

// sprtLogLikelihoodRatio() is the log-likelihood ratio of H1 to H0 over the pairs: with the pairs'
// mean score m and variance v (each pair scoring its points / 2) and s0, s1 the expected scores of
// elo0 and elo1, N (s1 - s0) (2m - s0 - s1) / (2v), the ratio of two normal likelihoods of the mean.
// Each of the five counts gets half a pair more, so that a few pairs of one result decide nothing.
double sprtLogLikelihoodRatio(const SprtTest& test, const PairResults& results);

// sprtLowerBound() is log(beta / (1 - alpha)), below which H0 is accepted; sprtUpperBound() is
// log((1 - beta) / alpha), above which H1 is.
double sprtLowerBound(const SprtTest& test);
double sprtUpperBound(const SprtTest& test);
SprtVerdict sprtVerdict(const SprtTest& test, double llr);

// sprtLine() is "SPRT [ELO0, ELO1]: LLR L (LOWER, UPPER): H1 accepted" (or H0 accepted, undecided).
std::string sprtLine(const SprtTest& test, const PairResults& results);
