// The arithmetic of matches: the SPRT's log-likelihood ratio over game pairs against cases worked
// out by hand, its bounds and verdicts, and the Elo of a score.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/match_statistics.h"

namespace {

struct LlrCase {
    const char* name;
    double elo0, elo1;
    PairResults results;
    double llr;  // worked out by hand, as the comment says
};

// With half a pair added to each count, n pairs and s_e = 1 / (1 + 10^(-e/400)):
const LlrCase llrCases[] = {
    // 100 pairs around an even score: n = 102.5, mean 0.5, variance 7.8125 / 102.5; s10 = 0.514387;
    // 102.5 * 0.014387 * (1 - 0.5 - 0.514387) / (2 * 0.076220) = -0.1392.
    {"even pairs", 0, 10, {{10, 20, 40, 20, 10}}, -0.13918},
    // mean 68.75 / 102.5 = 0.670732, variance 0.077558; s50 = 0.571463:
    // 102.5 * 0.071463 * (1.341463 - 0.5 - 0.571463) / (2 * 0.077558) = 12.75.
    {"a clear edge", 0, 50, {{5, 10, 20, 40, 25}}, 12.7501},
    // Five pairs won 2-0: n = 7.5, mean 6.25 / 7.5, variance 0.729167 / 7.5; s100 = 0.640065:
    // 7.5 * 0.140065 * (1.666667 - 0.5 - 0.640065) / (2 * 0.097222) = 2.845, short of the bound.
    {"five pairs won", 0, 100, {{0, 0, 0, 0, 5}}, 2.84497},
    // A loss of H0 below zero: s-20 = 0.471249, mean 26.75 / 102.5 = 0.260976, variance 0.071526:
    // 102.5 * 0.028751 * (0.521951 - 0.471249 - 0.5) / (2 * 0.071526) = -9.256.
    {"a clear deficit", -20, 0, {{40, 30, 20, 8, 2}}, -9.25575},
};

TEST(MatchStatistics, LogLikelihoodRatioOverPairsIsAsWorkedOutByHand) {
    for (const LlrCase& c : llrCases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(sprtLogLikelihoodRatio({c.elo0, c.elo1}, c.results), c.llr, 1e-4);
    }
}

// The bounds of alpha = beta = 0.05 are -+log(19); the verdict follows the ratio across them, and the
// line shows it all.
TEST(MatchStatistics, BoundsVerdictsAndTheLine) {
    const SprtTest test{0, 100};
    EXPECT_NEAR(sprtLowerBound(test), -2.94444, 1e-5);
    EXPECT_NEAR(sprtUpperBound(test), 2.94444, 1e-5);
    const SprtTest lopsided{0, 10, 0.01, 0.2};
    EXPECT_NEAR(sprtLowerBound(lopsided), std::log(0.2 / 0.99), 1e-12);
    EXPECT_NEAR(sprtUpperBound(lopsided), std::log(0.8 / 0.01), 1e-12);

    EXPECT_EQ(sprtLine(test, {{0, 0, 0, 0, 5}}), "SPRT [0, 100]: LLR 2.84 (-2.94, 2.94): undecided");
    EXPECT_EQ(sprtLine(test, {{0, 0, 0, 0, 6}}), "SPRT [0, 100]: LLR 3.80 (-2.94, 2.94): H1 accepted");
    EXPECT_EQ(sprtLine({-20, 0}, {{40, 30, 20, 8, 2}}), "SPRT [-20, 0]: LLR -9.26 (-2.94, 2.94): H0 accepted");
    EXPECT_EQ(sprtLine({0, 10}, {}), "SPRT [0, 10]: LLR 0.00 (-2.94, 2.94): undecided");
}

TEST(MatchStatistics, EloOfAScore) {
    EXPECT_NEAR(eloOf(0.64), 100.0, 0.1);
    EXPECT_NEAR(expectedScore(eloOf(0.3)), 0.3, 1e-12);
    EXPECT_EQ(eloText(0.5), "0");
    EXPECT_EQ(eloText(1), "inf");
    EXPECT_EQ(eloText(0), "-inf");
    EXPECT_EQ(scoreSummary("strong", "classic", 171, 26, 3),
              "strong vs classic: 171 wins, 26 losses, 3 unfinished, score 86.2%, Elo 319 +- 71");
}

}  // namespace
