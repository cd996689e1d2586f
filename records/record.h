// Game records: the plain-text form of a game that both programs read and write.
//
//     [Size "8"]
//     [Setup "3"]
//     [Result "*"]
//
//     1. F1-D3 H7-H1 2. C8-C6 A2-C4 *
//
// Tags come first, one [Name "Value"] each; Size (4 to 16, default 8) and Setup (0 to 8, default 3) set
// the game, Result must agree with the result token, any other tag is ignored. Then the moves in
// notation, separated by blanks or line breaks, optionally numbered ("7." before side 0's move of each
// pair), and a result token: "1-0" side 0 has connected all its pieces, "0-1" side 1 has, "*" any
// position. Comments in braces are skipped.
#pragma once

#include <string>
#include <vector>

#include "position/game_state.h"
#include "position/history.h"
#include "position/move.h"
#include "records/notation.h"

constexpr int DEFAULT_BOARD_SIZE = 8;
constexpr int DEFAULT_SETUP = 3;
// A text larger than this is no game record: the longest games take a few kilobytes.
constexpr long MAX_RECORD_BYTES = 1 << 20;

// A tag that sets nothing in the game, such as Date or Ply, kept as written for the readers that want it.
struct RecordTag {
    std::string name, value;
    int line;
};

// A game read from a record: the board, the setup and the moves played from it, each one legal where
// it stands, none after a side has connected; the record's other tags; and the comments after each
// move: moveComments[i] holds the text inside the braces that follow move i (without the braces, one
// comment after another joined by a blank), "" when none. Comments before the first move are not kept.
struct GameRecord {
    int size = DEFAULT_BOARD_SIZE;
    int setup = DEFAULT_SETUP;
    std::vector<Move> moves;
    std::vector<RecordTag> otherTags;
    std::vector<std::string> moveComments;
};

// Why a record was refused: the line (from 1), the token at fault as written, and what is wrong.
struct RecordError {
    int line = 1;
    std::string token;
    std::string problem;
};

// Reading

// readRecord() reads a whole record and replays its moves on the one position to check them. The
// position, the game history, lastMove and pendingMove are as they were when it returns, whether it
// accepts the record or not: nothing is half-loaded. Returns true and fills `record`, or false and
// fills `error`.
bool readRecord(const std::string& text, GameRecord& record, RecordError& error);

// readRecordOrMoves() reads a record, or a bare list of moves (a text with neither a tag nor a result
// token), which is played on board `size` with setup `setup`. Otherwise as readRecord().
bool readRecordOrMoves(const std::string& text, int size, int setup, GameRecord& record, RecordError& error);

// describeRecordError() is the one-line refusal: "SOURCE:LINE: 'TOKEN': problem", or
// "line LINE: 'TOKEN': problem" without a source. A token is shown with any byte that is not
// printable ASCII as '?' and cut to 40 characters, so the line stays one short line.
std::string describeRecordError(const RecordError& error, const std::string& source = "");

// Playing and writing

// playMoveText() plays the move written as `text` for the side to move through the game history and
// returns "", with the move in `played`; or returns why it cannot be played (the game is over, or the
// move is not legal here) and changes nothing.
std::string playMoveText(const MoveText& text, Move& played);

// loadRecord() starts the record's game and plays its moves through the game history, which ends up
// at its last position, ready to take the moves back.
void loadRecord(const GameRecord& record);

// winner() is the side whose pieces are all connected, the side that made the last move when both
// are; -1 while the game goes on.
int winner();

// resultToken() is the result of the current position: "1-0", "0-1" or "*".
const char* resultToken();

// recordText() writes the record of the current game up to the position shown (the first
// historyPosition moves of the history): Size, Setup and Result tags, then `extraTags` (whole tag
// lines, each ending in a line break), a blank line, the numbered moves in lines of at most 79
// characters, and the result token, computed from the position. Move i is followed by the comment
// `{moveComments[i]}` when that is there and not empty (the text must hold no brace); a move and its
// comment stay on one line.
std::string recordText(const std::string& extraTags = "", const std::vector<std::string>& moveComments = {});

// wholeGameRecordText() writes the record of every move in the history, also those taken back (what
// Go to end reaches), with the result of the position they lead to. The position, the history,
// lastMove and pendingMove are as they were when it returns.
std::string wholeGameRecordText(const std::string& extraTags = "", const std::vector<std::string>& moveComments = {});

// Keeping the game

// SavedGame keeps the position, the game history, lastMove and pendingMove while it lives, and puts
// them back when it goes: whatever is played or loaded in between leaves no trace.
struct SavedGame {
    const GameState position;
    const GameHistory history;
    const Move last;
    const Move pending;

    SavedGame();
    ~SavedGame();
    SavedGame(const SavedGame&) = delete;
    SavedGame& operator=(const SavedGame&) = delete;
};
