// The engine protocol: a long-running session through which another program (a match, a graphical
// front end, a tester) plays with this program's computer players. It reads one command a line and
// answers with lines of its own; the tables of the strong player stay from move to move.
//
//   isready                       -> readyok
//   newgame                       empties the tables
//   position [size N] [setup B] [moves M1 M2 ...]
//   setoption engine classic|strong, setoption level N, setoption hash MB
//   go depth D | go movetime MS | go infinite
//                                 -> info depth D score S nodes N time MS pv M1 M2 ... (the strong
//                                    player, after every completed iteration), then bestmove M or
//                                    bestmove none
//   stop                          during a search: ends it with the best move so far
//   quit                          ends the session (so does the end of the input)
//
// A line that cannot be taken is answered by one line "error: REASON" and changes nothing. While a
// search runs only stop, isready and quit are taken. The session reads commands and drives think();
// it searches nothing itself.
#pragma once

#include <string>

#include "protocol/line_reader.h"

// Where a session's lines come from and go to.
struct ProtocolChannel {
    // nextLine() gives the next command line, waiting for it or not (see readLine()).
    LineRead (*nextLine)(std::string& line, bool wait);
    // answer() writes one line of the answer and makes it reach the other side at once.
    void (*answer)(const std::string& line);
};

// runEngineSession() answers commands until quit or the end of input, starting on the default
// position (size 8, setup 3, no moves) with the players chosen before it (search/player.h).
// Returns the exit status, 0.
int runEngineSession(const ProtocolChannel& channel);
