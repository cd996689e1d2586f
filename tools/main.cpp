// tarnwick-cli: analysis of positions from the command line, without a display.

#include <cstdio>
#include <map>

#include "tools/commands.h"
#include "tools/options.h"

int main(int argc, char** argv) {
    CliOptions options;
    const std::string error = parseOptions(argc, argv, options);
    if (!error.empty()) return usageError(error);
    if (options.help) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    const std::map<std::string, int (*)(const CliOptions&)> commands = {
        {"show", commandShow},
        {"perft", commandPerft},   {"moves", commandMoves},   {"eval", commandEval},
        {"stats", commandStats},   {"search", commandSearch}, {"think", commandThink},
        {"bench", commandBench},   {"selfplay", commandSelfplay},
        {"record", commandRecord}, {"analyse", commandAnalyse}, {"analyze", commandAnalyse},
        {"match", commandMatch},   {"levels", commandLevels}, {"engine", commandEngine},
    };
    if (options.command.empty()) return usageError("no command given (see --help)");
    const auto command = commands.find(options.command);
    if (command == commands.end()) return usageError("unknown command '" + options.command + "'");
    const bool series = options.command == "selfplay" || options.command == "match";
    if (!series && (options.sizes.size() > 1 || options.setups.size() > 1))
        return usageError("only selfplay takes lists of sizes or setups (match does too)");
    if (!options.recordPath.empty()) {
        const std::string readError = readRecordSource(options);
        if (!readError.empty()) return usageError(readError);
    }
    const std::string gameError = setUpGame(options);
    if (!gameError.empty()) return usageError(gameError);
    applyPlayerOptions(options);
    return command->second(options);
}
