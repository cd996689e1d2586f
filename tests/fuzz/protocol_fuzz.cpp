// Fuzz target of the engine protocol: the bytes are a stream of command lines, fed to a session as
// a program would send them all at once and then close its end. Whatever they say, the session must
// end (never wait for a stop that cannot come), answer every bestmove with a legal move of the
// position it searched or with none, and keep the one position in a state the checker accepts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "position/checker.h"
#include "protocol/engine_protocol.h"
#include "records/notation.h"
#include "search/player.h"
#include "strong/strong_think.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "protocol_fuzz: %s\n", what.c_str());
    std::abort();
}

const uint8_t* input;
size_t inputSize, inputPos;

LineRead nextLine(std::string& line, bool) {
    if (inputPos >= inputSize) return LineRead::End;
    line.clear();
    while (inputPos < inputSize && input[inputPos] != '\n') line += static_cast<char>(input[inputPos++]);
    ++inputPos;
    return LineRead::Line;
}

// Each answer is one line of one of the protocol's forms; a bestmove names a legal move of the
// position on the board, which is the one it was searched on.
void answer(const std::string& line) {
    if (line.find('\n') != std::string::npos) fail("an answer of more than one line: " + line);
    const bool known = line == "readyok" || line.rfind("error: ", 0) == 0 || line.rfind("info depth ", 0) == 0 ||
                       line.rfind("bestmove ", 0) == 0;
    if (!known) fail("an answer of no known form: " + line);
    if (line.rfind("bestmove ", 0) != 0 || line == "bestmove none") return;
    MoveText text;
    Move m;
    if (!parseMoveText(line.substr(9), text) || !findLegalMove(text, m).empty()) fail("not a legal move: " + line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Tables as large as a command may ask would only slow the fuzzer down.
    setStrongTableCeiling(4);
    chooseEngine(Engine::Classic);
    strongNewGame();
    input = data;
    inputSize = size;
    inputPos = 0;
    runEngineSession({nextLine, answer});
    const std::string fault = checkPosition();
    if (!fault.empty()) fail("position after the session: " + fault);
    return 0;
}
