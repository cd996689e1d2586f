// The tool's commands, one function each. Each returns the process exit status; output goes to
// standard output, a usage error to standard error as one line with status 2.
#pragma once

#include <string>
#include <vector>

#include "tools/options.h"

// setUpGame() starts the game of the options and plays their moves through the game history.
// Returns "" or the message naming the offending move and its number.
std::string setUpGame(const CliOptions& options);

// splitMoves() cuts a move list into its words; blanks, commas, tabs and newlines separate them.
std::vector<std::string> splitMoves(const std::string& list);

// winner() is the side whose pieces are all connected, the side that made the last move when both
// are; -1 while the game goes on.
int winner();

// usageError() prints "tarnwick-cli: MESSAGE" to standard error and returns 2.
int usageError(const std::string& message);

int commandShow(const CliOptions& options);
int commandPerft(const CliOptions& options);
int commandMoves(const CliOptions& options);
int commandEval(const CliOptions& options);
int commandStats(const CliOptions& options);
int commandSearch(const CliOptions& options);
int commandThink(const CliOptions& options);
int commandBench(const CliOptions& options);
int commandSelfplay(const CliOptions& options);
