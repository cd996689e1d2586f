// Lines of text from a file descriptor (a pipe, a terminal, a file), read as they arrive: with a
// wait of any length, or without waiting, so that a search can look for a command between two of
// its steps. Both sides of the engine protocol read with it: the engine its standard input, a match
// its engines' answers.
#pragma once

#include <string>

// A line longer than this is no command or answer: it is reported as too long and dropped.
constexpr size_t MAX_LINE_BYTES = 1 << 20;

enum class LineRead {
    Line,      // a whole line, without its line end ("\n" or "\r\n")
    NotYet,    // no whole line within the wait
    End,       // the input has ended (a last line without line end comes first, as a Line)
    TooLong,   // a line of more than MAX_LINE_BYTES, dropped up to its line end
};

struct LineReader {
    int fd = -1;
    std::string pending;     // bytes read past the last line given out
    bool ended = false;      // end of input or a read error seen
    bool dropping = false;   // inside a line too long, until its line end
};

// readLine() gives the next line of `reader`, waiting at most `waitMilliseconds` for it (0: not at
// all, negative: as long as it takes).
LineRead readLine(LineReader& reader, std::string& line, int waitMilliseconds);
