// Command-line parsing of the tool: position options, the command and its arguments. Input from
// outside is checked here, where it enters; a bad input gives one message and exit status 2.
#pragma once

#include <string>
#include <vector>

#include "records/position_options.h"

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
    std::string recordsDirectory;   // selfplay: each game's record goes there
    bool help = false;
};

// parseOptions() fills options from argv; returns "" or the message for the one error line.
std::string parseOptions(int argc, char** argv, CliOptions& options);

// parseSeconds() reads a non-negative number of seconds.
bool parseSeconds(const std::string& text, double& value);

extern const char* const USAGE;
