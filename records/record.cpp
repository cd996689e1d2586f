#include "records/record.h"

#include <algorithm>
#include <cctype>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/notation.h"

namespace {

constexpr size_t SHOWN_TOKEN_LENGTH = 40;
constexpr size_t RECORD_LINE_LENGTH = 79;  // the writer wraps before 80 columns
constexpr size_t MOST_NUMBER_DIGITS = 9;   // a longer move number fits nowhere, and stays within int

struct Token {
    std::string text;
    int line;
    std::string comment;  // the comments that follow it, before the next token
};

struct Tag {
    std::string name, value;
    std::string text;  // the whole tag as written, for messages
    int line;
};

// A record split into its tags and the tokens after them, comments left out.
struct RecordParts {
    std::vector<Tag> tags;
    std::vector<Token> tokens;
};

// The tags that set the game, once read.
struct Header {
    int size, setup;
    const Tag* result = nullptr;
};

bool refuse(RecordError& error, int line, const std::string& token, const std::string& problem) {
    error.line = line;
    error.token = token;
    error.problem = problem;
    return false;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isResult(const std::string& text) { return text == "1-0" || text == "0-1" || text == "*"; }

// readTag() reads the tag that starts at text[i] == '[': a name, blanks, a quoted value and ']'. On
// success i is just past the tag; a malformed tag is refused with the text from '[' to its ']' or to
// the end of its line.
bool readTag(const std::string& text, size_t& i, int line, Tag& tag, RecordError& error) {
    size_t k = i + 1;
    while (k < text.size() && isNameCharacter(text[k])) ++k;
    tag.name = text.substr(i + 1, k - i - 1);
    const size_t nameEnd = k;
    while (k < text.size() && isBlank(text[k])) ++k;
    bool wellFormed = !tag.name.empty() && k > nameEnd && k < text.size() && text[k] == '"';
    if (wellFormed) {
        const size_t valueStart = ++k;
        while (k < text.size() && text[k] != '"' && text[k] != '\n') ++k;
        wellFormed = k + 1 < text.size() && text[k] == '"' && text[k + 1] == ']';
        if (wellFormed) tag.value = text.substr(valueStart, k - valueStart);
        k += 2;
    }
    if (!wellFormed) {
        const size_t lineEnd = std::min(text.find('\n', i), text.size());
        const size_t close = text.find(']', i);
        size_t end = close < lineEnd ? close + 1 : lineEnd;
        while (end > i + 1 && isBlank(text[end - 1])) --end;
        return refuse(error, line, text.substr(i, end - i), "not a tag: write it like [Size \"8\"]");
    }
    tag.text = text.substr(i, k - i);
    tag.line = line;
    i = k;
    return true;
}

// splitRecord() cuts the text into tags and tokens, each with its line. Tokens end at blanks, line
// breaks and the start of a comment; a comment goes with the token before it. Tags come before every
// token.
bool splitRecord(const std::string& text, RecordParts& parts, RecordError& error) {
    size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // the byte-order mark some editors write
    int line = 1;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == '{') {
            const size_t close = text.find('}', i);
            if (close == std::string::npos) return refuse(error, line, "{", "the comment is not closed with }");
            if (!parts.tokens.empty()) {
                std::string& comment = parts.tokens.back().comment;
                comment += (comment.empty() ? "" : " ") + text.substr(i + 1, close - i - 1);
            }
            line += static_cast<int>(std::count(text.begin() + i, text.begin() + close, '\n'));
            i = close + 1;
        } else if (c == '[') {
            Tag tag;
            if (!readTag(text, i, line, tag, error)) return false;
            if (!parts.tokens.empty()) return refuse(error, line, tag.text, "a tag after the moves: tags come first");
            parts.tags.push_back(tag);
        } else {
            size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != '\n' && text[end] != '{') ++end;
            parts.tokens.push_back({text.substr(i, end - i), line, ""});
            i = end;
        }
    }
    return true;
}

// wholeNumberIn() reads a tag value of one to three digits within low..high.
bool wholeNumberIn(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), isDigit)) return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

// readHeader() takes Size, Setup and Result from the tags (each at most once) and ignores the others.
bool readHeader(const std::vector<Tag>& tags, Header& header, RecordError& error) {
    const Tag* seen[3] = {nullptr, nullptr, nullptr};
    const char* const names[3] = {"Size", "Setup", "Result"};
    for (const Tag& tag : tags) {
        const int kind = static_cast<int>(std::find(names, names + 3, tag.name) - names);
        if (kind == 3) continue;
        if (seen[kind])
            return refuse(error, tag.line, tag.text,
                          "the " + tag.name + " tag is repeated (first on line " + std::to_string(seen[kind]->line) + ")");
        seen[kind] = &tag;
        if (kind == 0 && !wholeNumberIn(tag.value, 4, MAX_BOARD_SIZE, header.size))
            return refuse(error, tag.line, tag.text, "the size is not a whole number from 4 to 16");
        if (kind == 1 && !wholeNumberIn(tag.value, 0, 8, header.setup))
            return refuse(error, tag.line, tag.text, "the setup is not a whole number from 0 to 8");
        if (kind == 2 && !isResult(tag.value))
            return refuse(error, tag.line, tag.text, "the result is not 1-0, 0-1 or *");
    }
    header.result = seen[2];
    return true;
}

// splitMoveNumber() recognises a move number, "7." alone or glued to its move ("7.F1-D3"): digits and
// a full stop. It gives the number (0 when it has too many digits to fit anywhere) and the rest.
bool splitMoveNumber(const std::string& text, long& number, std::string& rest) {
    const size_t dot = text.find('.');
    if (dot == 0 || dot == std::string::npos || !std::all_of(text.begin(), text.begin() + dot, isDigit)) return false;
    number = dot <= MOST_NUMBER_DIGITS ? std::stol(text.substr(0, dot)) : 0;
    rest = text.substr(dot + 1);
    return true;
}

std::string connectedText(int side) { return "side " + std::to_string(side) + " has connected all its pieces"; }

// checkResult() compares the result token with the position reached and with the Result tag.
bool checkResult(const Token& result, const Header& header, RecordError& error) {
    const int won = winner();
    if ((result.text == "1-0" && won != 0) || (result.text == "0-1" && won != 1))
        return refuse(error, result.line, result.text,
                      "the result does not match the position: " + (won < 0 ? "no side has connected all its pieces"
                                                                            : connectedText(won)));
    if (header.result && header.result->value != result.text)
        return refuse(error, result.line, result.text,
                      "the result contradicts the Result tag on line " + std::to_string(header.result->line));
    return true;
}

// playTokens() plays the moves of the tokens on the one position, which holds the game's start, and
// keeps them in `record`. A record must end with its result; a bare list of moves has none.
bool playTokens(const std::vector<Token>& tokens, bool bare, const Header& header, GameRecord& record,
                RecordError& error) {
    const Token* result = nullptr;
    const Token* number = nullptr;  // a move number still waiting for its move
    for (const Token& token : tokens) {
        if (result) return refuse(error, token.line, token.text, "nothing may follow the result " + result->text);
        const size_t ply = record.moves.size();
        if (isResult(token.text)) {
            if (number) break;
            result = &token;
            continue;
        }
        std::string written = token.text;
        long numbered = 0;
        if (splitMoveNumber(token.text, numbered, written)) {
            if (number) return refuse(error, token.line, token.text, "a move number after a move number");
            if (ply % 2 == 1)
                return refuse(error, token.line, token.text, "a move number stands only before side 0's move");
            if (numbered != static_cast<long>(ply / 2 + 1))
                return refuse(error, token.line, token.text,
                              "the move number does not fit: the next move is number " + std::to_string(ply / 2 + 1));
            number = &token;
            if (written.empty()) continue;
        }
        number = nullptr;
        MoveText parsed;
        if (!parseMoveText(written, parsed))
            return refuse(error, token.line, token.text,
                          "not a move (like B1-B3), a move number (like 7.) or a result (1-0, 0-1 or *)");
        Move played;
        const std::string reason = playMoveText(parsed, played);
        if (!reason.empty())
            return refuse(error, token.line, token.text, "move " + std::to_string(ply + 1) + ": " + reason);
        record.moves.push_back(played);
        record.moveComments.push_back(token.comment);
    }
    if (number) return refuse(error, number->line, number->text, "a move number without its move");
    if (result) return checkResult(*result, header, error);
    if (bare) return true;
    const int line = !tokens.empty() ? tokens.back().line : header.result ? header.result->line : 1;
    return refuse(error, line, tokens.empty() ? "" : tokens.back().text,
                  "the record does not end with a result (1-0, 0-1 or *)");
}

// readGame() reads a record, or with bareSize a bare list of moves on that board, and replays it.
bool readGame(const std::string& text, const int* bareSize, int bareSetup, GameRecord& record, RecordError& error) {
    if (static_cast<long>(text.size()) > MAX_RECORD_BYTES)
        return refuse(error, 1, "", "larger than " + std::to_string(MAX_RECORD_BYTES) + " bytes, too large for a game record");
    RecordParts parts;
    if (!splitRecord(text, parts, error)) return false;
    const bool bare = bareSize && parts.tags.empty() &&
                      std::none_of(parts.tokens.begin(), parts.tokens.end(), [](const Token& t) { return isResult(t.text); });
    if (bare && parts.tokens.empty()) return refuse(error, 1, "", "neither a record nor a list of moves");
    Header header{bare ? *bareSize : DEFAULT_BOARD_SIZE, bare ? bareSetup : DEFAULT_SETUP};
    if (!readHeader(parts.tags, header, error)) return false;

    const SavedGame saved;
    GameRecord read;
    read.size = header.size;
    read.setup = header.setup;
    for (const Tag& tag : parts.tags)
        if (tag.name != "Size" && tag.name != "Setup" && tag.name != "Result")
            read.otherTags.push_back({tag.name, tag.value, tag.line});
    startPosition(read.size, read.setup);
    startHistory();
    if (!playTokens(parts.tokens, bare, header, read, error)) return false;
    record = std::move(read);
    return true;
}

}  // namespace

SavedGame::SavedGame() : position(game), history(gameHistory), last(lastMove), pending(pendingMove) {}

SavedGame::~SavedGame() {
    game = position;
    gameHistory = history;
    lastMove = last;
    pendingMove = pending;
}

std::string playMoveText(const MoveText& text, Move& played) {
    if (winner() >= 0) return "the game is over: " + connectedText(winner());
    const std::string reason = findLegalMove(text, played);
    if (reason.empty()) commitMove(played);
    return reason;
}

bool readRecord(const std::string& text, GameRecord& record, RecordError& error) {
    return readGame(text, nullptr, 0, record, error);
}

bool readRecordOrMoves(const std::string& text, int size, int setup, GameRecord& record, RecordError& error) {
    return readGame(text, &size, setup, record, error);
}

std::string describeRecordError(const RecordError& error, const std::string& source) {
    std::string shown;
    for (const char c : error.token) {
        if (shown.size() == SHOWN_TOKEN_LENGTH) {
            shown += "...";
            break;
        }
        shown += c >= ' ' && c <= '~' ? c : '?';
    }
    const std::string where = source.empty() ? "line " + std::to_string(error.line) : source + ":" + std::to_string(error.line);
    return where + ": " + (shown.empty() ? "" : "'" + shown + "': ") + error.problem;
}

void loadRecord(const GameRecord& record) {
    startPosition(record.size, record.setup);
    startHistory();
    for (const Move& m : record.moves) commitMove(m);
}

int winner() {
    const bool connected[2] = {game.groupCount[0] == 1, game.groupCount[1] == 1};
    if (connected[0] && connected[1]) return 1 - game.sideToMove;
    if (connected[0]) return 0;
    if (connected[1]) return 1;
    return -1;
}

const char* resultToken() {
    switch (winner()) {
        case 0: return "1-0";
        case 1: return "0-1";
        default: return "*";
    }
}

std::string recordText(const std::string& extraTags, const std::vector<std::string>& moveComments) {
    std::string text = "[Size \"" + std::to_string(game.boardSize) + "\"]\n[Setup \"" +
                       std::to_string(game.setupNumber) + "\"]\n[Result \"" + resultToken() + "\"]\n" + extraTags +
                       "\n";
    std::string line;
    // A move keeps its number on its line.
    auto add = [&text, &line](const std::string& unit) {
        if (!line.empty() && line.size() + 1 + unit.size() > RECORD_LINE_LENGTH) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + unit;
    };
    for (int ply = 0; ply < game.historyPosition; ++ply) {
        std::string move = moveText(gameHistory.historyMoves[ply]);
        if (ply < static_cast<int>(moveComments.size()) && !moveComments[ply].empty())
            move += " {" + moveComments[ply] + "}";
        add(ply % 2 == 0 ? std::to_string(ply / 2 + 1) + ". " + move : move);
    }
    add(resultToken());
    return text + line + "\n";
}

// wholeGameRecordText() replays the moves taken back on the one position, writes the record there and
// puts everything back as it was.
std::string wholeGameRecordText(const std::string& extraTags, const std::vector<std::string>& moveComments) {
    const SavedGame saved;
    while (game.historyPosition < gameHistory.historyLength) redoStep();
    return recordText(extraTags, moveComments);
}
