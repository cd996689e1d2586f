#include "tools/match_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Added to each of the five counts of pair results: a prior that keeps the variance of a handful of
// equal pairs above zero, so that a few pairs of one result never decide a test (five pairs won 2-0
// leave H1 of +100 Elo undecided), while over hundreds of pairs it moves the ratio very little.
constexpr double PRIOR_PAIRS = 0.5;

}  // namespace

double eloOf(double p) { return -400 * std::log10(1 / p - 1); }

double expectedScore(double elo) { return 1 / (1 + std::pow(10, -elo / 400)); }

std::string eloText(double p) {
    if (p >= 1) return "inf";
    if (p <= 0) return "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", eloOf(p) + 0.0);
    return std::string(text) == "-0" ? "0" : text;
}

std::string scoreSummary(const std::string& a, const std::string& b, long wins, long losses, long unfinished) {
    const long games = wins + losses + unfinished;
    const double p = games > 0 ? (wins + 0.5 * unfinished) / games : 0.5;
    const double meanSquare = games > 0 ? (wins + 0.25 * unfinished) / games : 0.25;
    const double deviation = std::sqrt(std::max(0.0, meanSquare - p * p) / std::max(1L, games));
    const double low = p - 1.96 * deviation, high = p + 1.96 * deviation;
    std::string margin = "inf";
    if (low > 0 && high < 1) {
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", (eloOf(high) - eloOf(low)) / 2);
        margin = text;
    }
    char line[512];
    std::snprintf(line, sizeof line, "%s vs %s: %ld wins, %ld losses, %ld unfinished, score %.1f%%, Elo %s +- %s",
                  a.c_str(), b.c_str(), wins, losses, unfinished, 100 * p, eloText(p).c_str(), margin.c_str());
    return line;
}

double sprtLogLikelihoodRatio(const SprtTest& test, const PairResults& results) {
    double n = 0, sum = 0;
    for (int k = 0; k < 5; ++k) {
        const double count = results.pairs[k] + PRIOR_PAIRS;
        n += count;
        sum += count * k / 4.0;
    }
    const double mean = sum / n;
    double variance = 0;
    for (int k = 0; k < 5; ++k) variance += (results.pairs[k] + PRIOR_PAIRS) * std::pow(k / 4.0 - mean, 2);
    variance /= n;
    const double s0 = expectedScore(test.elo0), s1 = expectedScore(test.elo1);
    return n * (s1 - s0) * (2 * mean - s0 - s1) / (2 * variance);
}

double sprtLowerBound(const SprtTest& test) { return std::log(test.beta / (1 - test.alpha)); }
double sprtUpperBound(const SprtTest& test) { return std::log((1 - test.beta) / test.alpha); }

SprtVerdict sprtVerdict(const SprtTest& test, double llr) {
    if (llr >= sprtUpperBound(test)) return SprtVerdict::H1Accepted;
    if (llr <= sprtLowerBound(test)) return SprtVerdict::H0Accepted;
    return SprtVerdict::Undecided;
}

std::string sprtLine(const SprtTest& test, const PairResults& results) {
    const double llr = sprtLogLikelihoodRatio(test, results);
    const SprtVerdict verdict = sprtVerdict(test, llr);
    const char* said = verdict == SprtVerdict::H1Accepted ? "H1 accepted"
                       : verdict == SprtVerdict::H0Accepted ? "H0 accepted"
                                                            : "undecided";
    const double shown = std::fabs(llr) < 0.005 ? 0.0 : llr;  // no "-0.00"
    char line[256];
    std::snprintf(line, sizeof line, "SPRT [%g, %g]: LLR %.2f (%.2f, %.2f): %s", test.elo0, test.elo1, shown,
                  sprtLowerBound(test), sprtUpperBound(test), said);
    return line;
}
