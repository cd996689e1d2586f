#include "tools/match_players.h"

#include <cstdio>
#include <vector>

#include "position/game_state.h"
#include "records/notation.h"
#include "records/position_options.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "tools/child_process.h"

namespace {

// How long a program outside may take for a move beyond its time: starting, making its tables and
// answering. At fixed depths it gets a fixed allowance.
constexpr double GRACE_SECONDS = 5;
constexpr double TIME_FACTOR = 3;
constexpr double FIXED_DEPTH_SECONDS = 600;
// How long a protocol engine may take to answer isready, and to end when told to quit.
constexpr int READY_MILLISECONDS = 30000;
constexpr int QUIT_MILLISECONDS = 2000;

int allowedMilliseconds(const MatchLimits& limits) {
    const double seconds = limits.seconds > 0 ? GRACE_SECONDS + TIME_FACTOR * limits.seconds : FIXED_DEPTH_SECONDS;
    return static_cast<int>(seconds * 1000);
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}

// This program's own players, thinking in the match's process with think().
class BuiltInPlayer : public MatchPlayer {
public:
    BuiltInPlayer(const std::string& name, Engine engine, int level, const MatchLimits& limits)
        : MatchPlayer(name), engine_(engine), level_(level), limits_(limits) {}

    void startGame(int side) override {
        if (level_ > 0) {
            const LevelLimits limits = applyLevel(side, level_);
            searchState.depthLimit[side] = limits.depth;
            searchState.timeLimit[side] = limits.seconds;
            return;
        }
        chooseEngine(side, engine_);
        searchState.depthLimit[side] = limits_.depth;
        searchState.timeLimit[side] = limits_.seconds;
    }

    MatchAnswer chooseMove(const MatchPosition&) override {
        if (!think()) return {MatchAnswer::NoMove, ""};
        return {MatchAnswer::Played, moveText(searchState.bestMove)};
    }

private:
    Engine engine_;
    int level_;
    MatchLimits limits_;
};

// bestmoveOf() reads the answer of a "bestmove MOVE ..." line.
MatchAnswer bestmoveOf(const std::string& line) {
    const std::vector<std::string> words = splitMoves(line);
    if (words.size() < 2 || words[0] != "bestmove") return {MatchAnswer::Failed, "answered '" + line.substr(0, 80) + "'"};
    if (words[1] == "none") return {MatchAnswer::NoMove, ""};
    return {MatchAnswer::Played, words[1]};
}

// A program that speaks the engine protocol, started once per pair of games. A program that failed
// to answer is started afresh for the next game, so that a late answer is never taken for the next
// move's.
class ProtocolPlayer : public MatchPlayer {
public:
    ProtocolPlayer(const std::string& name, std::string command, const MatchLimits& limits)
        : MatchPlayer(name), command_(std::move(command)), limits_(limits) {}
    ~ProtocolPlayer() override { stop(); }

    void startPair() override { start(); }
    void endPair() override { stop(); }

    void startGame(int) override {
        if (broken_) {
            stop();
            start();
        }
        if (!broken_ && !sendLine(engine_, "newgame")) fail("the engine no longer reads its input");
    }

    MatchAnswer chooseMove(const MatchPosition& p) override {
        if (broken_) return {MatchAnswer::Failed, why_};
        const std::string go = limits_.seconds > 0
                                   ? "go movetime " + std::to_string(static_cast<long>(limits_.seconds * 1000 + 0.5))
                                   : "go depth " + std::to_string(limits_.depth);
        std::string position = "position size " + std::to_string(p.size) + " setup " + std::to_string(p.setup);
        if (!p.moves.empty()) position += " moves " + p.moves;
        if (!sendLine(engine_, position) || !sendLine(engine_, go)) return fail("the engine no longer reads its input");
        std::string line;
        for (;;) {
            const std::string reason = awaitLine(line, allowedMilliseconds(limits_));
            if (!reason.empty()) return fail(reason);
            if (line.rfind("bestmove", 0) == 0) return bestmoveOf(line);
            if (line.rfind("error", 0) == 0) return fail("the engine refused: " + line.substr(0, 120));
        }
    }

private:
    void start() {
        broken_ = false;
        if (!startChild(engine_, {command_}, true)) {
            fail("the engine could not be started");
            return;
        }
        std::string line;
        if (!sendLine(engine_, "isready")) {
            fail("the engine no longer reads its input");
            return;
        }
        do {
            const std::string reason = awaitLine(line, READY_MILLISECONDS);
            if (!reason.empty()) {
                fail(reason + " (isready)");
                return;
            }
        } while (line != "readyok");
    }

    void stop() {
        if (engine_.pid > 0) sendLine(engine_, "quit");
        endChild(engine_, QUIT_MILLISECONDS);
    }

    // awaitLine() reads the engine's next line within the time; "" or what went wrong.
    std::string awaitLine(std::string& line, int milliseconds) {
        switch (readLine(engine_.fromChild, line, milliseconds)) {
            case LineRead::Line: return "";
            case LineRead::NotYet: return "no answer within " + secondsText(milliseconds / 1000.0) + " s";
            case LineRead::TooLong: return "an answer line too long";
            default: return "the engine ended";
        }
    }

    MatchAnswer fail(const std::string& why) {
        broken_ = true;
        why_ = why;
        return {MatchAnswer::Failed, why};
    }

    std::string command_;
    MatchLimits limits_;
    ChildProcess engine_;
    bool broken_ = false;
    std::string why_;
};

// A build of the tool, asked once per move: PATH --size N --setup B --moves "..." [--engine E]
// think 30 T, or search D at a fixed depth. Its first line is its answer.
class CliPlayer : public MatchPlayer {
public:
    CliPlayer(const std::string& name, std::string path, std::string engine, const MatchLimits& limits)
        : MatchPlayer(name), path_(std::move(path)), engine_(std::move(engine)), limits_(limits) {}

    void startGame(int) override {}

    MatchAnswer chooseMove(const MatchPosition& p) override {
        std::vector<std::string> argv = {path_, "--size", std::to_string(p.size), "--setup", std::to_string(p.setup)};
        if (!p.moves.empty()) argv.insert(argv.end(), {"--moves", p.moves});
        if (!engine_.empty()) argv.insert(argv.end(), {"--engine", engine_});
        if (limits_.seconds > 0) argv.insert(argv.end(), {"think", std::to_string(limits_.depth), secondsText(limits_.seconds)});
        else argv.insert(argv.end(), {"search", std::to_string(limits_.depth)});
        ChildProcess tool;
        if (!startChild(tool, argv, false)) return {MatchAnswer::Failed, "the tool could not be started"};
        std::string line;
        const LineRead read = readLine(tool.fromChild, line, allowedMilliseconds(limits_));
        const int status = endChild(tool, read == LineRead::Line ? QUIT_MILLISECONDS : 0);
        if (read == LineRead::NotYet)
            return {MatchAnswer::Failed, "no answer within " + secondsText(allowedMilliseconds(limits_) / 1000.0) + " s"};
        if (read != LineRead::Line) return {MatchAnswer::Failed, "the tool ended without an answer, status " + std::to_string(status)};
        return bestmoveOf(line);
    }

private:
    std::string path_, engine_;
    MatchLimits limits_;
};

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::unique_ptr<MatchPlayer> makeMatchPlayer(const std::string& spec, const MatchLimits& limits, std::string& error) {
    Engine engine = Engine::Classic;
    if (parseEngine(spec, engine)) return std::make_unique<BuiltInPlayer>(spec, engine, 0, limits);
    if (startsWith(spec, "level:")) {
        long level = 0;
        if (parseInteger(spec.substr(6), level) && level >= MIN_LEVEL && level <= MAX_LEVEL)
            return std::make_unique<BuiltInPlayer>(spec, Engine::Strong, static_cast<int>(level), limits);
    } else if (startsWith(spec, "engine:")) {
        if (spec.find_first_not_of(" \t", 7) != std::string::npos)
            return std::make_unique<ProtocolPlayer>(spec, spec.substr(7), limits);
        error = "match: '" + spec + "' names no command (engine:\"COMMAND ARGS\")";
        return nullptr;
    } else if (startsWith(spec, "cli:")) {
        std::string path = spec.substr(4), chosen;
        const size_t colon = path.rfind(':');
        if (colon != std::string::npos && parseEngine(path.substr(colon + 1), engine)) {
            chosen = path.substr(colon + 1);
            path.resize(colon);
        }
        if (!path.empty()) return std::make_unique<CliPlayer>(spec, path, chosen, limits);
        error = "match: '" + spec + "' names no program (cli:PATH or cli:PATH:ENGINE)";
        return nullptr;
    }
    error = "match: '" + spec + "' is not a player (classic, strong, level:1 to level:10, engine:COMMAND or cli:PATH)";
    return nullptr;
}
