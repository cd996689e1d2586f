#include "records/last_game.h"

#include <algorithm>

#include "files/atomic_file.h"
#include "files/xdg_paths.h"
#include "position/game_state.h"
#include "position/history.h"

namespace {

const char* const SHOWN_PLY_TAG = "Ply";
const char* const NO_FOLDER = "neither XDG_STATE_HOME nor HOME names a folder for the last game";

bool refuse(RecordError& error, const RecordTag& tag, const std::string& problem) {
    error.line = tag.line;
    error.token = "[" + tag.name + " \"" + tag.value + "\"]";
    error.problem = problem;
    return false;
}

// readShownPly() reads the Ply tag's value: one to five digits, at most the number of moves.
bool readShownPly(const RecordTag& tag, int moves, int& ply, RecordError& error) {
    const std::string& value = tag.value;
    const bool digits = !value.empty() && value.size() <= 5 &&
                        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(value) > moves)
        return refuse(error, tag, "the shown position is not a whole number from 0 to " + std::to_string(moves) +
                                      ", the number of moves");
    ply = std::stoi(value);
    return true;
}

}  // namespace

std::string keptGameText() {
    return wholeGameRecordText("[" + std::string(SHOWN_PLY_TAG) + " \"" + std::to_string(game.historyPosition) + "\"]\n");
}

bool readKeptGame(const std::string& text, GameRecord& record, int& shownPly, RecordError& error) {
    GameRecord read;
    if (!readRecord(text, read, error)) return false;
    const int moves = static_cast<int>(read.moves.size());
    int ply = moves;
    for (const RecordTag& tag : read.otherTags)
        if (tag.name == SHOWN_PLY_TAG && !readShownPly(tag, moves, ply, error)) return false;
    record = std::move(read);
    shownPly = ply;
    return true;
}

void loadRecordAt(const GameRecord& record, int ply) {
    loadRecord(record);
    while (game.historyPosition > ply) undoStep();
}

std::string loadKeptGame(const std::string& text, const std::string& source) {
    GameRecord record;
    RecordError error;
    int ply = 0;
    if (!readKeptGame(text, record, ply, error)) return describeRecordError(error, source);
    loadRecordAt(record, ply);
    return "";
}

std::string readLastGameFile(std::string& text) {
    const std::string path = lastGamePath();
    if (path.empty()) return NO_FOLDER;
    const std::string error = readTextFile(path, MAX_RECORD_BYTES, text);
    return error.empty() ? "" : "cannot read the last game '" + path + "': " + error;
}

std::string keepLastGame() {
    const std::string path = lastGamePath();
    if (path.empty()) return "cannot keep the game: " + std::string(NO_FOLDER);
    std::string error = makeFolders(folderOf(path));
    if (error.empty()) error = writeFileAtomically(path, keptGameText());
    return error.empty() ? "" : "cannot keep the game in '" + path + "': " + error;
}
