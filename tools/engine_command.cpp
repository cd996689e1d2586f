// engine: the engine protocol on standard input and output, for other programs to play through.
#include <unistd.h>

#include <cstdio>

#include "protocol/engine_protocol.h"
#include "tools/commands.h"

namespace {

LineReader input;

LineRead nextLine(std::string& line, bool wait) { return readLine(input, line, wait ? -1 : 0); }

void answer(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int commandEngine(const CliOptions& options) {
    if (!options.args.empty()) return usageError("engine takes no arguments: it reads its commands from its input");
    if (options.anyPositionOption())
        return usageError("engine reads its positions from its input: it goes without --size, --setup, --moves and --record");
    input = LineReader{};
    input.fd = STDIN_FILENO;
    return runEngineSession({nextLine, answer});
}
