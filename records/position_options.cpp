#include "records/position_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/notation.h"

bool parseInteger(const std::string& text, long& value) {
    if (text.empty() || text.size() > 12) return false;
    size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    value = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

std::string parseRanged(const std::string& option, const std::string& text, long low, long high, long& value) {
    if (!parseInteger(text, value) || value < low || value > high)
        return "option " + option + ": '" + text + "' is not a whole number from " + std::to_string(low) + " to " +
               std::to_string(high);
    return "";
}

namespace {

// parseList() reads "A", "A-B" or comma-separated items of those, each within low..high. Without
// `lists` only a single number is taken.
std::string parseList(const std::string& option, const std::string& text, long low, long high, bool lists,
                      std::vector<int>& values) {
    values.clear();
    if (!lists) {
        long value = 0;
        const std::string error = parseRanged(option, text, low, high, value);
        if (error.empty()) values.push_back(static_cast<int>(value));
        return error;
    }
    const std::string error = "option " + option + ": '" + text + "' is not a whole number from " +
                              std::to_string(low) + " to " + std::to_string(high) + " (or a list such as " +
                              std::to_string(low) + "-" + std::to_string(high) + ")";
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = text.substr(start, comma - start);
        const size_t dash = item.find('-', 1);
        long first = 0, last = 0;
        if (!parseInteger(item.substr(0, dash), first)) return error;
        last = first;
        if (dash != std::string::npos && !parseInteger(item.substr(dash + 1), last)) return error;
        if (first < low || last > high || first > last) return error;
        for (long v = first; v <= last; ++v) values.push_back(static_cast<int>(v));
        start = comma + 1;
    }
    return "";
}

// playMoveList() plays the moves from the current position through the game history, stopping at
// the first bad one.
std::string playMoveList(const std::string& list) {
    const std::vector<std::string> moves = splitMoves(list);
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string where = "move " + std::to_string(i + 1) + " '" + moves[i] + "': ";
        MoveText text;
        if (!parseMoveText(moves[i], text)) return where + "not a move (write it like B1-B3 or C10xE12)";
        Move played;
        const std::string reason = playMoveText(text, played);
        if (!reason.empty()) return where + reason;
    }
    return "";
}

std::string recordSourceName(const std::string& path) { return path == "-" ? "stdin" : path; }

}  // namespace

std::vector<std::string> splitMoves(const std::string& list) {
    std::vector<std::string> words;
    std::string word;
    for (char c : list + " ") {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool isPositionOption(const std::string& option) {
    return option == "--size" || option == "--setup" || option == "--moves" || option == "--record";
}

bool parsePositionOption(const std::string& option, const std::string& value, bool lists, PositionOptions& o,
                         std::string& error) {
    if (option == "--size") {
        o.sizeGiven = true;
        error = parseList(option, value, 4, MAX_BOARD_SIZE, lists, o.sizes);
        if (error.empty()) o.size = o.sizes.front();
    } else if (option == "--setup") {
        o.setupGiven = true;
        error = parseList(option, value, 0, 8, lists, o.setups);
        if (error.empty()) o.setup = o.setups.front();
    } else if (option == "--moves") {
        o.movesGiven = true;
        o.moves = value;
        error.clear();
    } else if (option == "--record") {
        o.recordPath = value;
        error = value.empty() ? "option --record: the file name is empty" : "";
    } else {
        return false;
    }
    return true;
}

std::string checkPositionOptions(const PositionOptions& o) {
    if (o.recordPath.empty()) return "";
    const char* other = o.sizeGiven ? "--size" : o.setupGiven ? "--setup" : o.movesGiven ? "--moves" : nullptr;
    if (!other) return "";
    return std::string("option --record cannot be combined with ") + other +
           ": the record gives the size, the setup and the moves";
}

// readRecordSource() stops reading once it is past the limit, so that a larger file is told apart
// from one that fills it exactly without reading all of it.
std::string readRecordSource(PositionOptions& o) {
    const std::string name = recordSourceName(o.recordPath);
    std::FILE* file = o.recordPath == "-" ? stdin : std::fopen(o.recordPath.c_str(), "rb");
    if (!file) return "option --record: cannot read '" + name + "': " + std::strerror(errno);
    std::string text;
    char buffer[65536];
    size_t got = 0;
    errno = 0;
    while (static_cast<long>(text.size()) <= MAX_RECORD_BYTES && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file);
    const int reason = errno;
    if (file != stdin) std::fclose(file);
    if (failed) return "option --record: cannot read '" + name + "': " + std::strerror(reason);
    if (static_cast<long>(text.size()) > MAX_RECORD_BYTES)
        return "option --record: '" + name + "' is larger than " + std::to_string(MAX_RECORD_BYTES) +
               " bytes, too large for a game record";
    o.recordText = std::move(text);
    return "";
}

std::string setUpGame(const PositionOptions& o) {
    if (!o.recordPath.empty()) {
        GameRecord record;
        RecordError error;
        if (!readRecord(o.recordText, record, error)) return describeRecordError(error, recordSourceName(o.recordPath));
        loadRecord(record);
        return "";
    }
    startPosition(o.size, o.setup);
    startHistory();
    return playMoveList(o.moves);
}
