// Command-line parsing of the tool: position options, the command and its arguments. Input from
// outside is checked here, where it enters; a bad input gives one message and exit status 2.
#pragma once

#include <string>
#include <vector>

#include "records/position_options.h"
#include "search/player.h"
#include "table/transposition.h"

// The position options come first; selfplay takes lists of sizes and setups such as 4-16 or 5,8.
struct CliOptions : PositionOptions {
    bool progress = false;          // think: progress texts to standard error
    std::string command;
    std::vector<std::string> args;  // the command's own arguments
    // Self-play settings, per side.
    int depth[2] = {3, 3};
    double time[2] = {0, 0};
    long maxMoves = 1000;
    long games = 1;
    bool check = false;
    std::string recordsDirectory;   // selfplay and match: each game's record goes there
    std::string annotatePath;       // analyse: the annotated record goes there
    bool depthGiven = false, timeGiven = false;
    // The computer player of each side, or a level for both (0: none).
    Engine engine[2] = {Engine::Classic, Engine::Classic};
    bool engineGiven = false;
    int level = 0;
    int hashMegabytes = DEFAULT_TABLE_MEGABYTES;  // each side's table of the strong player
    // match: random plies after the setup, and the seed of their generator.
    int openingPlies = 2;
    unsigned long seed = 1;
    bool maxMovesGiven = false;
    bool gamesGiven = false;
    // match: the sequential test (--sprt ELO0 ELO1, --alpha, --beta) and the processes that play.
    bool sprtGiven = false;
    double sprtElo0 = 0, sprtElo1 = 0, sprtAlpha = 0.05, sprtBeta = 0.05;
    int jobs = 1;
    bool help = false;
};

// parseOptions() fills options from argv; returns "" or the message for the one error line.
std::string parseOptions(int argc, char** argv, CliOptions& options);

// parseSeconds() reads a non-negative number of seconds.
bool parseSeconds(const std::string& text, double& value);

// applyPlayerOptions() makes the chosen engines or level play and sizes the strong player's tables.
void applyPlayerOptions(const CliOptions& options);

extern const char* const USAGE;
