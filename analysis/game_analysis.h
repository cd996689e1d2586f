// The computer's view of every move of a game line, one move at a time. For each move, the fixed-depth
// search of the position before it gives the best move and its score, and the search one ply shallower
// after it gives the score of the move played; a move that falls far enough below the best is marked.
// The tool's analyse command and the desktop's "Analyse game" both go through analyseNextMove(), so that
// they give the same scores, best moves and marks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "position/move.h"
#include "records/record.h"

// Marks, by how far the score of the move played falls below the best score, in steps of connection
// distance (1024 evaluation units; an obstructing piece is worth 512, a legal move 1).
enum class Mark { Plain, Dubious, Blunder };  // "", "?" (about a move's worth lost), "??" (about three)

// What the analysis found for one move: scores are for the side that made the move.
struct MoveAnalysis {
    Move played;
    int32_t score;      // of the move played: the negated search one ply shallower after it
    Move best;          // the search's choice in the position before it
    int32_t bestScore;  // its score
    Mark mark;
};

// The analysis of a game line: the line (its board, setup and moves) and what has been found for its
// first moves.size() moves, in order.
struct GameAnalysis {
    GameRecord line;
    int depth = 0;  // of the searches; 0 for an analysis read from a record
    std::vector<MoveAnalysis> moves;
};

// markText() is "", "?" or "??".
const char* markText(Mark mark);

// markMove() rates the move played: never the best move itself; always ?? for a move that throws a
// decided win away or walks into a decided loss; otherwise by the drop from the best score, except
// between two decided scores of the same sign (a slower win or a longer loss is no mistake).
Mark markMove(const Move& played, const Move& best, int32_t score, int32_t bestScore);

// Analysing

// startGameAnalysis() is the analysis of `line` at `depth`, with nothing found yet.
GameAnalysis startGameAnalysis(const GameRecord& line, int depth);

// analysisComplete() tells whether every move of the line has been analysed.
bool analysisComplete(const GameAnalysis& analysis);

// analyseNextMove() analyses the first move not analysed yet with the chosen player (search/player.h)
// and adds what it found. Each search sees exactly what the tool's search sees on that position: the
// game's start with the moves before it played. The position, the game history, lastMove and pendingMove
// are as they were when it returns. The searches let the toolkit's events run as any think does.
void analyseNextMove(GameAnalysis& analysis);

// The analysis of the game in the history

// analysedMoves() is how many of the first moves of the game history the analysis covers: the board,
// the setup and each of those moves are the analysis's own. Moves of another line are not the
// analysis's, nor those after them.
size_t analysedMoves(const GameAnalysis& analysis);

// positionValue() is the value of the position after `plies` moves of the analysed line, for side 0:
// the best score before the first move for 0 plies, the score of the move played after it. Requires
// plies <= analysis.moves.size(), and at least one move analysed.
int32_t positionValue(const GameAnalysis& analysis, size_t plies);
