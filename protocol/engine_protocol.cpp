#include "protocol/engine_protocol.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <vector>

#include "position/game_state.h"
#include "position/toolkit.h"
#include "records/notation.h"
#include "records/position_options.h"
#include "records/record.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "strong/strong_think.h"
#include "table/transposition.h"
#include "timing/deadline.h"

namespace {

// The depth of a search that only its time, or a stop, ends; and the limits of go's values.
constexpr int UNLIMITED_DEPTH = 99;
constexpr long MAX_GO_DEPTH = 99;
constexpr long MAX_MOVETIME_MS = 1000000000;
// The boards and setups that a position may name.
constexpr long MIN_BOARD_SIZE = 4;
constexpr long MAX_SETUP = 8;

// Lines that arrive while a search runs wait for its bestmove, at most this many.
constexpr size_t MAX_WAITING_LINES = 4096;

struct Session {
    const ProtocolChannel* channel = nullptr;
    PositionOptions position;         // the position of the last position command that was taken
    int level = 0;                    // the level chosen by setoption level, 0 for none
    Deadline deadline;                // the time-out of a go movetime
    std::deque<std::string> waiting;  // lines read during a search, to be taken after it
    bool inputEnded = false;          // quit or the end of input has been read: no stop can come
};

Session session;

void answer(const std::string& line) { session.channel->answer(line); }

// prepareTables() makes both sides' tables of the strong player while no clock runs, so that the
// first search of a side does not spend its time on them.
void prepareTables() {
    if (players[0].engine != Engine::Strong && players[1].engine != Engine::Strong) return;
    prepareStrongThink(0);
    prepareStrongThink(1);
}

void refuse(const std::string& reason) { answer("error: " + reason); }

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + " ") {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// wholeNumberIn() reads text as a whole number from low to high, or leaves the reason in `reason`.
bool wholeNumberIn(const std::string& what, const std::string& text, long low, long high, long& value,
                   std::string& reason) {
    if (parseInteger(text, value) && value >= low && value <= high) return true;
    reason = what + ": '" + text + "' is not a whole number from " + std::to_string(low) + " to " +
             std::to_string(high);
    return false;
}

// During a search: the toolkit's side of think(). Commands are looked at whenever the search lets
// events run; the time-out of go movetime is a deadline on the clock.

void stopSearch() { searchState.stopRequested = 1; }

// takeDuringSearch() answers a line that arrives while the search runs: stop and isready at once,
// every other line after the bestmove, in the order of arrival. A quit also stops the search.
void takeDuringSearch(const std::string& line) {
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty()) return;
    const bool alone = words.size() == 1;
    if (alone && words[0] == "stop") return stopSearch();
    if (alone && words[0] == "isready") return answer("readyok");
    if (session.waiting.size() >= MAX_WAITING_LINES)
        return refuse("more than " + std::to_string(MAX_WAITING_LINES) + " lines wait for the bestmove");
    session.waiting.push_back(line);
    if (alone && words[0] == "quit") session.inputEnded = true;
}

// lookAtInput() is how the search lets events run: the lines that have arrived, and the clock. Once
// no stop can come any more, every search ends at its first chance.
void lookAtInput() {
    std::string line;
    while (!session.inputEnded) {
        const LineRead read = session.channel->nextLine(line, false);
        if (read == LineRead::NotYet) break;
        if (read == LineRead::End) session.inputEnded = true;
        else if (read == LineRead::TooLong) refuse("a line of more than " + std::to_string(MAX_LINE_BYTES) + " bytes");
        else takeDuringSearch(line);
    }
    if (session.inputEnded) stopSearch();
    if (deadlinePassed(session.deadline)) onThinkTimeout();
}

void armTimeout(double seconds) { armDeadline(session.deadline, seconds); }
void cancelTimeout() { session.deadline.armed = false; }
void nothing() {}
void noText(const char*) {}

void reportIteration(const StrongIteration& it) {
    char head[160];
    std::snprintf(head, sizeof head, "info depth %d score %d nodes %" PRIu64 " time %lld pv", it.depth, it.score,
                  it.nodes, static_cast<long long>(std::llround(it.seconds * 1000)));
    answer(head + variationText(*it.variation));
}

// The commands, each with its words after the command's name.

void takePosition(const std::vector<std::string>& words) {
    PositionOptions wanted;
    std::string reason;
    size_t i = 1;
    for (; i < words.size() && words[i] != "moves"; i += 2) {
        long value = 0;
        const bool size = words[i] == "size";
        if (!size && words[i] != "setup") return refuse("position: '" + words[i] + "' is not size, setup or moves");
        if (i + 1 >= words.size()) return refuse("position: " + words[i] + " needs a value");
        if (!wholeNumberIn("position: " + words[i], words[i + 1], size ? MIN_BOARD_SIZE : 0,
                           size ? MAX_BOARD_SIZE : MAX_SETUP, value, reason))
            return refuse(reason);
        (size ? wanted.size : wanted.setup) = static_cast<int>(value);
    }
    for (size_t k = i + 1; k < words.size(); ++k) wanted.moves += (k > i + 1 ? " " : "") + words[k];
    reason = setUpGame(wanted);
    if (!reason.empty()) {
        setUpGame(session.position);  // the position before the command, which was taken before
        return refuse("position: " + reason);
    }
    session.position = wanted;
}

void takeSetoption(const std::vector<std::string>& words) {
    if (words.size() != 3) return refuse("setoption needs a name and a value: engine, level or hash");
    const std::string& name = words[1];
    const std::string& text = words[2];
    std::string reason;
    long value = 0;
    if (name == "engine") {
        Engine engine;
        if (!parseEngine(text, engine)) return refuse("setoption engine: '" + text + "' is not an engine (classic or strong)");
        chooseEngine(engine);
        session.level = 0;
        prepareTables();
    } else if (name == "level") {
        if (!wholeNumberIn("setoption level", text, MIN_LEVEL, MAX_LEVEL, value, reason)) return refuse(reason);
        applyLevel(static_cast<int>(value));
        session.level = static_cast<int>(value);
        prepareTables();
    } else if (name == "hash") {
        if (!wholeNumberIn("setoption hash", text, 1, MAX_TABLE_MEGABYTES, value, reason)) return refuse(reason);
        setStrongTableMegabytes(static_cast<int>(value));
        prepareTables();
    } else {
        refuse("setoption: '" + name + "' is not an option (engine, level or hash)");
    }
}

// goLimits() reads the limits of a go command into depth and seconds (0: a fixed depth).
bool goLimits(const std::vector<std::string>& words, int& depth, double& seconds) {
    std::string reason;
    long value = 0;
    if (words.size() == 2 && words[1] == "infinite") {
        depth = UNLIMITED_DEPTH;
        seconds = std::numeric_limits<double>::infinity();
    } else if (words.size() == 3 && words[1] == "depth") {
        if (!wholeNumberIn("go depth", words[2], 1, MAX_GO_DEPTH, value, reason)) return refuse(reason), false;
        depth = static_cast<int>(value);
        seconds = 0;
    } else if (words.size() == 3 && words[1] == "movetime") {
        if (!wholeNumberIn("go movetime", words[2], 0, MAX_MOVETIME_MS, value, reason)) return refuse(reason), false;
        depth = UNLIMITED_DEPTH;
        // A limit of 0 fires at the first chance, as the tool's think with 0 seconds does.
        seconds = value > 0 ? value / 1000.0 : std::numeric_limits<double>::min();
    } else {
        return refuse("go needs depth D, movetime MS or infinite"), false;
    }
    // A level's limits hold whatever go asks: its depth at most, within its time.
    if (session.level > 0) {
        const LevelLimits limits = levelLimits(session.level);
        depth = std::min(depth, static_cast<int>(limits.depth));
        if (limits.seconds > 0 && (seconds <= 0 || seconds > limits.seconds)) seconds = limits.seconds;
    }
    return true;
}

void takeGo(const std::vector<std::string>& words) {
    int depth = 0;
    double seconds = 0;
    if (!goLimits(words, depth, seconds)) return;
    const int side = game.sideToMove;
    if (winner() >= 0) return answer("bestmove none");  // the game is over
    // Once no stop can come any more, a search ends at its first chance: it gets the least time.
    if (session.inputEnded) seconds = std::numeric_limits<double>::min();
    searchState.depthLimit[side] = depth;
    searchState.timeLimit[side] = seconds;
    toolkit = {lookAtInput, armTimeout, cancelTimeout, nothing, nothing, noText, noText};
    setIterationListener(reportIteration);
    const bool found = think();
    setIterationListener(nullptr);
    resetToolkitHooks();
    answer(found ? "bestmove " + moveText(searchState.bestMove) : "bestmove none");
}

// take() answers one line while no search runs; false once the session is to end.
bool take(const std::string& line) {
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty()) return true;
    const std::string& command = words[0];
    const bool alone = words.size() == 1;
    if (command == "quit" && alone) return false;
    if (command == "isready" && alone) answer("readyok");
    else if (command == "newgame" && alone) {
        prepareTables();
        strongNewGame();
    }
    else if (command == "stop" && alone) {
        // Nothing to stop: a stop that crossed the bestmove on its way is no mistake.
    } else if (command == "position") takePosition(words);
    else if (command == "setoption") takeSetoption(words);
    else if (command == "go") takeGo(words);
    else if (command == "quit" || command == "isready" || command == "newgame" || command == "stop")
        refuse(command + " takes no values");
    else
        refuse("unknown command '" + command.substr(0, 64) + "'");
    return true;
}

// nextCommand() is the next line to take: one that waited for a bestmove, else one read now.
bool nextCommand(std::string& line) {
    for (;;) {
        if (!session.waiting.empty()) {
            line = session.waiting.front();
            session.waiting.pop_front();
            return true;
        }
        if (session.inputEnded) return false;
        const LineRead read = session.channel->nextLine(line, true);
        if (read == LineRead::End) return false;
        if (read == LineRead::Line) return true;
        if (read == LineRead::TooLong) refuse("a line of more than " + std::to_string(MAX_LINE_BYTES) + " bytes");
    }
}

}  // namespace

int runEngineSession(const ProtocolChannel& channel) {
    session = Session{};
    session.channel = &channel;
    setUpGame(session.position);
    prepareTables();
    std::string line;
    while (nextCommand(line) && take(line)) {
    }
    return 0;
}
