// The last game: the desktop program keeps the game on its board in a record file after every change
// (files/xdg_paths.h says where), so that a closed window or a crash loses nothing. The record holds
// every move of the history, also those taken back, and the position shown in a tag of its own,
//
//     [Ply "12"]
//
// the number of moves applied; other readers of records ignore it as an unknown tag.
#pragma once

#include <string>

#include "records/record.h"

// keptGameText() is the last-game record of the current game.
std::string keptGameText();

// readKeptGame() reads a last-game record. `shownPly` is its Ply tag, or the number of its moves
// when the tag is missing. A Ply tag that is not a whole number from 0 to the number of moves is
// refused like any fault of the record. Nothing of the game changes.
bool readKeptGame(const std::string& text, GameRecord& record, int& shownPly, RecordError& error);

// loadRecordAt() starts the record's game with every move in the history and shows the position
// after the first `ply` of them.
void loadRecordAt(const GameRecord& record, int ply);

// loadKeptGame() reads a last-game record, named `source` in messages, and loads it at its Ply.
// Returns "" or the one-line reason it was refused, and then the game is as it was.
std::string loadKeptGame(const std::string& text, const std::string& source);

// readLastGameFile() reads the last-game file into `text`. Returns "" or the one-line reason it could
// not (no folder for it, no such file, not readable).
std::string readLastGameFile(std::string& text);

// keepLastGame() writes the current game to the last-game file, creating its folder, with the
// temporary-file-and-rename step: a kill at any moment leaves the previous record or the new one.
// Returns "" or the one-line reason it could not.
std::string keepLastGame();
