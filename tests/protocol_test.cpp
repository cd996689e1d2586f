// The engine protocol, session by session: the lines a program sends, the lines it gets back. A
// session here is a program that writes all its lines at once and keeps its end open until the
// session is over, unless a case says that its input ends.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "position/game_state.h"
#include "protocol/engine_protocol.h"
#include "records/notation.h"
#include "search/player.h"
#include "search/search.h"
#include "search/think.h"
#include "player_fixture.h"
#include "test_support.h"

namespace {

struct FakeProgram {
    std::vector<std::string> lines;
    size_t next = 0;
    bool endsAtOnce = false;  // the input ends as soon as the last line is read, not when waited on
    std::vector<std::string> answers;
};
FakeProgram program;

LineRead nextLine(std::string& line, bool wait) {
    if (program.next < program.lines.size()) {
        line = program.lines[program.next++];
        return LineRead::Line;
    }
    return wait || program.endsAtOnce ? LineRead::End : LineRead::NotYet;
}

void answer(const std::string& line) { program.answers.push_back(line); }

std::vector<std::string> session(const std::vector<std::string>& lines, bool endsAtOnce = false) {
    program = FakeProgram{lines, 0, endsAtOnce, {}};
    EXPECT_EQ(runEngineSession({nextLine, answer}), 0);
    return program.answers;
}

// matches() holds each answer against a pattern of its own.
void expectAnswers(const std::vector<std::string>& answers, const std::vector<std::string>& patterns) {
    ASSERT_EQ(answers.size(), patterns.size()) << testing::PrintToString(answers);
    for (size_t i = 0; i < answers.size(); ++i)
        EXPECT_TRUE(std::regex_match(answers[i], std::regex(patterns[i]))) << answers[i] << " against " << patterns[i];
}

const std::string MOVE = "[A-P][0-9]+[-x][A-P][0-9]+";
const std::string INFO = "info depth [0-9]+ score -?[0-9]+ nodes [0-9]+ time [0-9]+ pv( " + MOVE + ")+";

// searchAnswer() is the bestmove of the tool's fixed-depth search on a position, to compare with.
std::string searchAnswer(int size, int setup, const std::vector<std::string>& moves, Engine engine, int depth) {
    EXPECT_EQ(testing_support::setUpGame(size, setup, moves), "");
    chooseEngine(engine);
    searchState.depthLimit[game.sideToMove] = depth;
    searchState.timeLimit[game.sideToMove] = 0;
    const bool found = think();
    chooseEngine(Engine::Classic);
    return found ? "bestmove " + moveText(searchState.bestMove) : "bestmove none";
}

class Protocol : public PlayerFixture {};

struct SessionCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> answers;  // patterns
};

// Lines that cannot be taken are answered by one error line each and change nothing: the position
// and the player stay what they were, as the search at the end shows.
const SessionCase refusals[] = {
    {"unknown command", {"hello"}, {"error: unknown command 'hello'"}},
    {"commands that take no values", {"isready now", "quit 1"}, {"error: isready takes no values", "error: quit takes no values"}},
    {"size out of range", {"position size 3"}, {"error: position: size: '3' is not a whole number from 4 to 16"}},
    {"setup out of range", {"position setup 9"}, {"error: position: setup: '9' is not a whole number from 0 to 8"}},
    {"position word", {"position sizes 8"}, {"error: position: 'sizes' is not size, setup or moves"}},
    {"position value missing", {"position size"}, {"error: position: size needs a value"}},
    {"malformed move", {"position moves B1-B3 H7"}, {"error: position: move 2 'H7': not a move.*"}},
    {"illegal move", {"position moves B1-B4"}, {"error: position: move 1 'B1-B4': .*"}},
    {"option name", {"setoption speed 3"}, {"error: setoption: 'speed' is not an option \\(engine, level or hash\\)"}},
    {"option value missing", {"setoption engine"}, {"error: setoption needs a name and a value.*"}},
    {"engine name", {"setoption engine fast"}, {"error: setoption engine: 'fast' is not an engine \\(classic or strong\\)"}},
    {"level range", {"setoption level 11"}, {"error: setoption level: '11' is not a whole number from 1 to 10"}},
    {"hash range", {"setoption hash 0"}, {"error: setoption hash: '0' is not a whole number from 1 to 65536"}},
    {"go without limits", {"go"}, {"error: go needs depth D, movetime MS or infinite"}},
    {"go depth range", {"go depth 0", "go depth 100"},
     {"error: go depth: '0' is not a whole number from 1 to 99", "error: go depth: '100' is not a whole number from 1 to 99"}},
    {"go movetime form", {"go movetime 1.5"}, {"error: go movetime: '1.5' is not a whole number from 0 to 1000000000"}},
};

TEST_F(Protocol, LinesThatCannotBeTakenAreRefusedAndChangeNothing) {
    const std::string expected = searchAnswer(8, 3, {"B1-B3"}, Engine::Classic, 3);
    for (const SessionCase& c : refusals) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = {"position moves B1-B3"};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        lines.push_back("go depth 3");
        std::vector<std::string> patterns = c.answers;
        patterns.push_back(expected);
        expectAnswers(session(lines), patterns);
    }
}

// go depth D is the tool's search D: the same move for either player; the strong one reports every
// iteration, its last line naming the move it plays first.
TEST_F(Protocol, GoDepthPlaysTheMoveOfTheFixedDepthSearch) {
    const std::string classic = searchAnswer(6, 4, {"B1-B3", "E1-C3"}, Engine::Classic, 4);
    expectAnswers(session({"position size 6 setup 4 moves B1-B3 E1-C3", "go depth 4"}), {classic});

    const std::string strong = searchAnswer(6, 4, {"B1-B3", "E1-C3"}, Engine::Strong, 5);
    const std::vector<std::string> answers =
        session({"setoption engine strong", "position size 6 setup 4 moves B1-B3 E1-C3", "isready", "go depth 5"});
    std::vector<std::string> patterns = {"readyok"};
    for (int depth = 1; depth <= 5; ++depth)
        patterns.push_back("info depth " + std::to_string(depth) + " .*");
    patterns.push_back(strong);
    expectAnswers(answers, patterns);
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(std::regex_match(answers[i], std::regex(INFO))) << answers[i];
    EXPECT_EQ(answers[5].substr(answers[5].find(" pv ") + 4, strong.size() - 9), strong.substr(9));
}

// A finished game and a side without a move get no move; quit ends the session, whatever follows it.
TEST_F(Protocol, DecidedPositionsGetNoMoveAndQuitEndsTheSession) {
    expectAnswers(session({"position size 5 setup 3 moves B5-D3 A3xD3 C5xE3 A2-C2 D5-C4 A4xD1", "go depth 2",
                           "setoption engine strong", "go movetime 10", "quit", "isready"}),
                  {"bestmove none", "bestmove none"});
}

// stop ends a search that only a stop ends, with the best move so far; isready is answered while it
// runs (both of them: the program sent every line at once), and a position and a go sent meanwhile
// wait for the bestmove and are then taken.
TEST_F(Protocol, StopEndsAnInfiniteSearchAndOtherLinesWaitForItsBestmove) {
    const std::vector<std::string> answers = session(
        {"setoption engine strong", "go infinite", "position size 6", "isready", "stop", "go depth 1", "isready"});
    ASSERT_GE(answers.size(), 5u) << testing::PrintToString(answers);
    size_t i = 0;
    while (i < answers.size() && std::regex_match(answers[i], std::regex(INFO))) ++i;
    EXPECT_GE(i, 1u);
    expectAnswers({answers.begin() + i, answers.end()},
                  {"readyok", "readyok", "bestmove " + MOVE, "info depth 1 .*", searchAnswer(6, 3, {}, Engine::Strong, 1)});
}

// The end of the input stops the search under way, and those after it end at their first chance:
// the session never waits for a stop that cannot come.
TEST_F(Protocol, EndOfInputEndsEverySearch) {
    for (const char* player : {"classic", "strong"}) {
        SCOPED_TRACE(player);
        const std::vector<std::string> answers = session(
            {std::string("setoption engine ") + player, "position size 16 setup 8", "go infinite", "go depth 60"}, true);
        int bestmoves = 0;
        for (const std::string& a : answers) bestmoves += std::regex_match(a, std::regex("bestmove " + MOVE));
        EXPECT_EQ(bestmoves, 2) << testing::PrintToString(answers);
    }
}

// A level's limits hold whatever go asks for: level 1 looks one ply ahead.
TEST_F(Protocol, LevelLimitsTheSearch) {
    const std::vector<std::string> answers = session({"setoption level 1", "go depth 9"});
    expectAnswers(answers, {"info depth 1 .*", "bestmove " + MOVE});
}

}  // namespace
