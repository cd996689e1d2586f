// Fuzz target of the tool's input edge: the argument parser and the move list played through the
// game history. The input is split into argv words on newline or NUL bytes. No search ever runs, so
// every input is quick.
//
// Checked for every input:
// - parseOptions() either refuses with a message that names the option at fault, or returns options
//   within their documented ranges (--level never with --engine), --record never with another
//   position option (the record file is
//   not read here: the record reader has a target of its own);
// - the tool's move-list splitter keeps every character but the separators, in order, one word per run;
// - setUpGame() either refuses with "move K '...': reason" after playing exactly the K - 1 moves
//   before the bad one, or plays every move of the list, each exactly as it was written;
// - after either, the position passes the from-scratch checker and the side to move matches the
//   number of moves played.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "position/checker.h"
#include "position/game_state.h"
#include "position/history.h"
#include "records/notation.h"
#include "records/position_options.h"
#include "tools/commands.h"
#include "tools/options.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "cli_fuzz: %s\n", what.c_str());
    std::abort();
}

// Each word in its own exact-size heap block, so that a read past its end is an address error.
struct Argv {
    std::vector<std::unique_ptr<char[]>> blocks;
    std::vector<char*> pointers;

    void add(const std::string& word) {
        blocks.emplace_back(new char[word.size() + 1]);
        std::copy(word.begin(), word.end(), blocks.back().get());
        blocks.back()[word.size()] = '\0';
        pointers.push_back(blocks.back().get());
    }
};

std::vector<std::string> splitWords(const uint8_t* data, size_t size) {
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' || data[i] == '\0')
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    return words;
}

bool isMoveSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n'; }

// The tool's move-list splitter, checked against what splitting means: every word is non-empty and
// free of separators, the words joined give back the list's other characters in order, and there is
// one word per run of them.
std::vector<std::string> checkedMoveWords(const std::string& list) {
    const std::vector<std::string> words = splitMoves(list);
    std::string joined, kept;
    for (const std::string& word : words) {
        if (word.empty() || std::any_of(word.begin(), word.end(), isMoveSeparator))
            fail("move list split into the word '" + word + "'");
        joined += word;
    }
    size_t runs = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (isMoveSeparator(list[i])) continue;
        kept += list[i];
        if (i == 0 || isMoveSeparator(list[i - 1])) ++runs;
    }
    if (joined != kept) fail("the words of the move list do not give back its characters");
    if (words.size() != runs) fail("the move list gave " + std::to_string(words.size()) + " words for " + std::to_string(runs) + " runs");
    return words;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool allWithin(const std::vector<int>& values, int low, int high) {
    if (values.empty()) return false;
    for (int v : values)
        if (v < low || v > high) return false;
    return true;
}

// A refused command line is named by the option at fault, as it was typed.
void checkRefusedOptions(const std::string& error, const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (word.size() > 2 && word.compare(0, 2, "--") == 0 && error.find(word) != std::string::npos) return;
    fail("refusal '" + error + "' names no option of the command line");
}

void checkAcceptedOptions(const CliOptions& o) {
    if (!allWithin(o.sizes, 4, 16) || o.size != o.sizes.front()) fail("accepted sizes out of range");
    if (!allWithin(o.setups, 0, 8) || o.setup != o.setups.front()) fail("accepted setups out of range");
    for (int side = 0; side < 2; ++side) {
        if (o.depth[side] < 1 || o.depth[side] > 30) fail("accepted depth out of range");
        if (!std::isfinite(o.time[side]) || o.time[side] < 0 || o.time[side] > 1e6)
            fail("accepted time out of range");
    }
    if (o.maxMoves < 1 || o.maxMoves > 1000000 || o.games < 1 || o.games > 1000000)
        fail("accepted count out of range");
    if (o.level < 0 || o.level > MAX_LEVEL || (o.level > 0 && o.engineGiven)) fail("accepted level out of range");
    if (o.hashMegabytes < 1 || o.hashMegabytes > MAX_TABLE_MEGABYTES) fail("accepted table size out of range");
    if (o.openingPlies < 0 || o.openingPlies > 100) fail("accepted opening plies out of range");
}

void checkPositionSound(const std::string& when) {
    const std::string problem = checkPosition();
    if (!problem.empty()) fail(when + ": checker: " + problem);
    if (game.sideToMove != game.historyPosition % 2) fail(when + ": side to move does not match the moves played");
    if (game.historyPosition != gameHistory.historyLength) fail(when + ": history not at its end");
}

// A refusal names the move by its 1-based number in the list and quotes it, and every move before it
// was played.
void checkRefusedGame(const std::string& error, const std::vector<std::string>& moves) {
    const std::string prefix = "move " + std::to_string(game.historyPosition + 1) + " '";
    if (error.compare(0, prefix.size(), prefix) != 0 || static_cast<size_t>(game.historyPosition) >= moves.size())
        fail("refusal '" + error + "' after " + std::to_string(game.historyPosition) + " moves");
    const std::string quoted = prefix + moves[game.historyPosition] + "': ";
    if (error.compare(0, quoted.size(), quoted) != 0 || error.size() == quoted.size())
        fail("refusal '" + error + "' does not quote the move with a reason");
}

// Every move of an accepted list was played exactly as written (letters in either case).
void checkAcceptedGame(const std::vector<std::string>& moves) {
    if (static_cast<size_t>(game.historyPosition) != moves.size()) fail("accepted list not played in full");
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string played = moveText(gameHistory.historyMoves[i]);
        if (upper(played) != upper(moves[i])) fail("move " + moves[i] + " was played as " + played);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> words = splitWords(data, size);
    Argv argv;
    argv.add("tarnwick-cli");
    for (const std::string& word : words) argv.add(word);
    const int argc = static_cast<int>(argv.pointers.size());
    argv.pointers.push_back(nullptr);

    CliOptions options;
    const std::string error = parseOptions(argc, argv.pointers.data(), options);
    if (!error.empty()) {
        checkRefusedOptions(error, words);
        return 0;
    }
    checkAcceptedOptions(options);
    if (!options.recordPath.empty()) {
        if (options.sizeGiven || options.setupGiven || options.movesGiven) fail("accepted --record with another position option");
        return 0;
    }
    if (options.sizes.size() > 1 || options.setups.size() > 1) return 0;

    const std::vector<std::string> moves = checkedMoveWords(options.moves);
    const std::string gameError = setUpGame(options);
    if (game.boardSize != options.size || game.setupNumber != options.setup) fail("game not set up as asked");
    checkPositionSound(gameError.empty() ? "after the move list" : "after the refusal '" + gameError + "'");
    if (gameError.empty())
        checkAcceptedGame(moves);
    else
        checkRefusedGame(gameError, moves);
    return 0;
}
