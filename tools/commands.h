// The tool's commands, one function each. Each returns the process exit status; output goes to
// standard output, a usage error to standard error as one line with status 2.
#pragma once

#include <string>

#include "tools/options.h"

// errorExit() prints "tarnwick-cli: MESSAGE" to standard error and returns status; usageError() does
// so with status 2, the status of bad input.
int errorExit(const std::string& message, int status);
int usageError(const std::string& message);

// parseDepth() reads the depth argument of search, think and analyse: a whole number from 1 to 99.
// Returns false with the message in error.
bool parseDepth(const CliOptions& options, const char* command, int& depth, std::string& error);

// printThinkResult() prints what think() found: "bestmove none", or for the classic player
// "bestmove MOVE score S evals E" and for the strong one "bestmove MOVE score S nodes N", followed by
// " depth D" (the depth it completed) when `withDepth` is set.
int printThinkResult(bool found, bool withDepth);

// makeRecordsDirectory() makes the --records directory of selfplay and match, when one is given.
// Returns "" or the message.
std::string makeRecordsDirectory(const std::string& directory);
// writeGameRecord() writes the record of the game on the board to DIRECTORY/game-NNNN.txt, numbered
// from 0001. Returns "" or the message, which starts with the command's name.
std::string writeGameRecord(const std::string& command, const std::string& directory, long number);

int commandShow(const CliOptions& options);
int commandPerft(const CliOptions& options);
int commandMoves(const CliOptions& options);
int commandEval(const CliOptions& options);
int commandStats(const CliOptions& options);
int commandSearch(const CliOptions& options);
int commandThink(const CliOptions& options);
int commandBench(const CliOptions& options);
int commandSelfplay(const CliOptions& options);
int commandRecord(const CliOptions& options);
int commandAnalyse(const CliOptions& options);
int commandMatch(const CliOptions& options);
int commandLevels(const CliOptions& options);
int commandEngine(const CliOptions& options);
