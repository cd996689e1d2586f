// The position options that both programs take: --size, --setup, --moves and --record. They are checked
// here, where they enter; a bad one gives one message line.
#pragma once

#include <string>
#include <vector>

#include "records/record.h"

struct PositionOptions {
    int size = DEFAULT_BOARD_SIZE;
    int setup = DEFAULT_SETUP;
    std::vector<int> sizes{DEFAULT_BOARD_SIZE};  // lists such as 4-16 or 5,8, where they are allowed
    std::vector<int> setups{DEFAULT_SETUP};
    std::string moves;        // the game line, in notation
    std::string recordPath;   // --record FILE; "-" is standard input
    std::string recordText;   // its contents, once readRecordSource() has read them
    bool sizeGiven = false, setupGiven = false, movesGiven = false;

    // anyPositionOption() tells whether the command line names a position at all.
    bool anyPositionOption() const { return sizeGiven || setupGiven || movesGiven || !recordPath.empty(); }
};

// isPositionOption() tells whether `option` is one of --size, --setup, --moves and --record.
bool isPositionOption(const std::string& option);

// parsePositionOption() takes `option` with its `value` when it is one of the four position options and
// returns true, leaving "" or the message in `error`; it returns false for any other option. With
// `lists`, --size and --setup also take lists such as 4-16 or 5,8.
bool parsePositionOption(const std::string& option, const std::string& value, bool lists, PositionOptions& options,
                         std::string& error);

// checkPositionOptions() runs once all options are read: --record sets the whole game, so it goes with
// none of the other three. Returns "" or the message.
std::string checkPositionOptions(const PositionOptions& options);

// readRecordSource() reads the --record file (standard input for "-") into recordText. Returns "" or
// the message naming the file. A file larger than MAX_RECORD_BYTES is no record and is refused.
std::string readRecordSource(PositionOptions& options);

// splitMoves() cuts a move list into its words; blanks, commas, tabs and newlines separate them.
std::vector<std::string> splitMoves(const std::string& list);

// setUpGame() starts the game of the options: the record's game, or the setup with the moves played
// through the game history. Returns "" or the message naming the offending move and its number (for a
// record, its file and line). A refused record leaves the game as it was.
std::string setUpGame(const PositionOptions& options);

// parseInteger() reads a whole decimal number with an optional sign, at most 12 characters.
bool parseInteger(const std::string& text, long& value);

// parseRanged() reads the value of `option` as a whole number from low to high. Returns "" or the
// message.
std::string parseRanged(const std::string& option, const std::string& text, long low, long high, long& value);
