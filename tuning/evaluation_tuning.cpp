#include "tuning/evaluation_tuning.h"

#include <cmath>

#include "position/game_state.h"
#include "position/history.h"
#include "records/record.h"

std::string collectPositions(const std::string& recordText, int firstPly, std::vector<TuningPosition>& positions) {
    GameRecord record;
    RecordError error;
    if (!readRecord(recordText, record, error)) return describeRecordError(error);
    loadRecord(record);
    const int won = winner();
    while (game.historyPosition > 0) undoStep();
    for (size_t ply = 0; ply < record.moves.size(); ++ply) {
        if (static_cast<int>(ply) >= firstPly && winner() < 0) {
            const int side = game.sideToMove;
            const SideTerms mine = measureTerms(side, ALL_TERMS), theirs = measureTerms(side ^ 1, ALL_TERMS);
            TuningPosition p;
            for (int k = 0; k < TERM_COUNT; ++k) p.difference[k] = mine.value[k] - theirs.value[k];
            p.result = won < 0 ? 0.5 : won == side ? 1.0 : 0.0;
            positions.push_back(p);
        }
        redoStep();
    }
    return "";
}

namespace {

double valueOf(const TuningPosition& p, const Weights& w) {
    double v = w.tempo;
    for (int k = 0; k < TERM_COUNT; ++k) v += w.term[k] * p.difference[k];
    return v;
}

double sigmoid(double x) { return 1 / (1 + std::exp(-x)); }

}  // namespace

double predictionError(const std::vector<TuningPosition>& positions, const Weights& weights, double scale) {
    double sum = 0;
    for (const TuningPosition& p : positions) {
        const double miss = p.result - sigmoid(valueOf(p, weights) / scale);
        sum += miss * miss;
    }
    return positions.empty() ? 0 : sum / positions.size();
}

// fitScale() searches the logarithm of the scale by golden sections: the error is smooth and has
// one minimum in it.
double fitScale(const std::vector<TuningPosition>& positions, const Weights& weights) {
    double low = std::log(10.0), high = std::log(1e7);
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 80; ++i) {
        const double a = high - ratio * (high - low), b = low + ratio * (high - low);
        if (predictionError(positions, weights, std::exp(a)) < predictionError(positions, weights, std::exp(b))) high = b;
        else low = a;
    }
    return std::exp((low + high) / 2);
}

// tuneWeights() descends with the Adam rule, each weight in units of its term's spread, so that
// terms of very different sizes (a count of moves, a sixteenth of a square) learn at one pace.
Weights tuneWeights(const std::vector<TuningPosition>& positions, Weights start, double scale, int steps,
                    unsigned free) {
    constexpr double RATE = 0.01, DECAY = 1e-5, BETA1 = 0.9, BETA2 = 0.999, EPSILON = 1e-12;
    const size_t n = positions.size();
    if (n == 0) return start;
    double spread[TERM_COUNT + 1];
    for (int k = 0; k < TERM_COUNT; ++k) {
        double squares = 0;
        for (const TuningPosition& p : positions) squares += p.difference[k] * p.difference[k];
        spread[k] = std::sqrt(squares / n);
        if (spread[k] == 0) spread[k] = 1;
    }
    spread[TERM_COUNT] = 1;
    // u: the weights in units of spread / scale; index TERM_COUNT is the tempo.
    double u[TERM_COUNT + 1], m[TERM_COUNT + 1] = {}, v[TERM_COUNT + 1] = {};
    for (int k = 0; k < TERM_COUNT; ++k) u[k] = start.term[k] * spread[k] / scale;
    u[TERM_COUNT] = start.tempo / scale;
    const unsigned tuned = free | (1u << TERM_COUNT);
    for (int step = 1; step <= steps; ++step) {
        double gradient[TERM_COUNT + 1] = {};
        for (const TuningPosition& p : positions) {
            double x = u[TERM_COUNT];
            for (int k = 0; k < TERM_COUNT; ++k) x += u[k] * p.difference[k] / spread[k];
            const double s = sigmoid(x);
            const double g = -2 * (p.result - s) * s * (1 - s) / n;
            for (int k = 0; k < TERM_COUNT; ++k) gradient[k] += g * p.difference[k] / spread[k];
            gradient[TERM_COUNT] += g;
        }
        for (int k = 0; k <= TERM_COUNT; ++k) {
            if (!(tuned & (1u << k))) continue;
            const double grad = gradient[k] + DECAY * u[k];
            m[k] = BETA1 * m[k] + (1 - BETA1) * grad;
            v[k] = BETA2 * v[k] + (1 - BETA2) * grad * grad;
            const double mHat = m[k] / (1 - std::pow(BETA1, step)), vHat = v[k] / (1 - std::pow(BETA2, step));
            u[k] -= RATE * mHat / (std::sqrt(vHat) + EPSILON);
        }
    }
    Weights result = start;
    for (int k = 0; k < TERM_COUNT; ++k) result.term[k] = u[k] * scale / spread[k];
    result.tempo = u[TERM_COUNT] * scale;
    return result;
}
