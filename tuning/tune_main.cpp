// tarnwick-tune: finds the weights of the strong player's evaluation from game records and writes
// them as the header strong/evaluation_weights.h. scripts/tune-evaluation.sh plays the games and
// runs it; it is no part of the installed programs.
//
//   tarnwick-tune [--first-ply P] [--steps S] [--fixed TERM,...] RECORD|DIRECTORY...
//
// A directory stands for the records in it, in the order of their names.
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/position_options.h"
#include "strong/evaluation_weights.h"
#include "tuning/evaluation_tuning.h"

namespace {

int usage(const char* why) {
    std::fprintf(stderr, "tarnwick-tune: %s\nusage: tarnwick-tune [--first-ply P] [--steps S] [--fixed TERM,...] RECORD|DIRECTORY...\n",
                 why);
    return 2;
}

int termOfName(const std::string& name) {
    for (int k = 0; k < TERM_COUNT; ++k)
        if (name == termName(k)) return k;
    return -1;
}

void writeHeader(const Weights& w, size_t positions, size_t games, double scale, double before, double after) {
    std::printf("// The weights of the strong player's evaluation, in evaluation units (1024 for a step of connection\n");
    std::printf("// distance) per unit of each term (strong/evaluation_terms.h), and the bonus of the side to move.\n");
    std::printf("// Written by tarnwick-tune, which scripts/tune-evaluation.sh runs on the strong player's own games:\n");
    std::printf("// fitted to %zu positions of %zu games,\n", positions, games);
    std::printf("// predicting each game's result as 1 / (1 + exp(-value / %.0f)); the mean squared error of the\n", scale);
    std::printf("// prediction went from %.5f with the weights before to %.5f.\n", before, after);
    std::printf("#pragma once\n\n#include <cstdint>\n\n#include \"strong/evaluation_terms.h\"\n\n");
    std::printf("constexpr int32_t TEMPO_WEIGHT = %ld;\n", std::lround(w.tempo));
    std::printf("constexpr int32_t TERM_WEIGHTS[TERM_COUNT] = {\n");
    for (int k = 0; k < TERM_COUNT; ++k) std::printf("    %ld,  // %s\n", std::lround(w.term[k]), termName(k));
    std::printf("};\n\n");
    std::printf("// WEIGHTED_TERMS is the set of terms of some weight: the search measures only these.\n");
    std::printf("constexpr uint32_t weightedTerms() {\n    uint32_t terms = 0;\n");
    std::printf("    for (int k = 0; k < TERM_COUNT; ++k)\n        if (TERM_WEIGHTS[k] != 0) terms |= termBit(k);\n");
    std::printf("    return terms;\n}\nconstexpr uint32_t WEIGHTED_TERMS = weightedTerms();\n");
}

}  // namespace

int main(int argc, char** argv) {
    int firstPly = 4, steps = 2000;
    unsigned free = (1u << TERM_COUNT) - 1;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        if ((arg == "--first-ply" || arg == "--steps") && i + 1 < argc) {
            if (!parseInteger(argv[++i], value) || value < 0) return usage("a whole number is needed");
            (arg == "--steps" ? steps : firstPly) = static_cast<int>(value);
        } else if (arg == "--fixed" && i + 1 < argc) {
            for (const std::string& name : splitMoves(argv[++i])) {
                const int term = termOfName(name);
                if (term < 0) return usage(("no term '" + name + "'").c_str());
                free &= ~(1u << term);
            }
        } else if (arg.rfind("--", 0) == 0) {
            return usage(("unknown option " + arg).c_str());
        } else if (std::filesystem::is_directory(arg)) {
            std::vector<std::string> inside;
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file()) inside.push_back(entry.path().string());
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) return usage("no records given");
    std::vector<TuningPosition> positions;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        const std::string error = collectPositions(text.str(), firstPly, positions);
        if (!error.empty()) {
            std::fprintf(stderr, "tarnwick-tune: %s: %s\n", file.c_str(), error.c_str());
            return 1;
        }
    }
    Weights start{static_cast<double>(TEMPO_WEIGHT), {}};
    for (int k = 0; k < TERM_COUNT; ++k) start.term[k] = TERM_WEIGHTS[k];
    const double scale = fitScale(positions, start);
    const double before = predictionError(positions, start, scale);
    const Weights tuned = tuneWeights(positions, start, scale, steps, free);
    const double after = predictionError(positions, tuned, scale);
    std::fprintf(stderr, "tarnwick-tune: %zu positions, scale %.0f, error %.5f -> %.5f\n", positions.size(), scale,
                 before, after);
    writeHeader(tuned, positions.size(), files.size(), scale, before, after);
    return 0;
}
