// A program the match talks to: started with pipes to its standard input and from its standard
// output (its standard error goes nowhere), written to a line at a time, read with a time limit,
// and ended for sure.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "protocol/line_reader.h"

struct ChildProcess {
    pid_t pid = -1;
    int toChild = -1;
    LineReader fromChild;
};

// startChild() runs argv[0] (found on PATH) with the arguments; with `shell`, argv holds one command
// line that /bin/sh runs. Returns false when no process could be made; a program that cannot be run
// ends at once, which its reader sees as the end of its output.
bool startChild(ChildProcess& child, const std::vector<std::string>& argv, bool shell);

// sendLine() writes a line; false when the program no longer reads.
bool sendLine(ChildProcess& child, const std::string& line);

// endChild() closes the pipes, waits up to `graceMilliseconds` for the program to end and kills it
// after that. Returns its exit status, or -1 when it was killed or never ran.
int endChild(ChildProcess& child, int graceMilliseconds);
