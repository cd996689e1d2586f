#include "tools/commands.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "position/game_state.h"
#include "position/perft.h"
#include "records/record.h"
#include "search/player.h"

int errorExit(const std::string& message, int status) {
    std::fprintf(stderr, "tarnwick-cli: %s\n", message.c_str());
    return status;
}

int usageError(const std::string& message) { return errorExit(message, 2); }

int commandShow(const CliOptions& options) {
    if (!options.args.empty()) return usageError("show takes no arguments");
    const int n = game.boardSize;
    std::string text = "   ";
    for (int col = 1; col <= n; ++col) text += std::string(" ") + static_cast<char>('A' + col - 1);
    text += "\n";
    for (int row = 1; row <= n; ++row) {
        char label[16];
        std::snprintf(label, sizeof label, "%2d ", row);
        text += label;
        for (int col = 1; col <= n; ++col) {
            const int32_t code = game.board[row][col];
            text += code == 0 ? " ." : sideOfCode(code) ? " 1" : " 0";
        }
        text += "\n";
    }
    std::fputs(text.c_str(), stdout);
    std::printf("side to move: %d\n", game.sideToMove);
    for (int side = 0; side < 2; ++side)
        std::printf("side %d: %d pieces, %d groups\n", side, game.pieceCount[side], game.groupCount[side]);
    if (winner() >= 0) std::printf("side %d has won: all its pieces are connected\n", winner());
    return 0;
}

int commandPerft(const CliOptions& options) {
    long depth = 0;
    if (options.args.size() != 1) return usageError("perft needs one depth, e.g. perft 4");
    if (!parseInteger(options.args[0], depth) || depth < 0 || depth > 64)
        return usageError("perft: depth '" + options.args[0] + "' is not a whole number from 0 to 64");
    std::printf("%" PRIu64 "\n", perft(static_cast<int>(depth)));
    return 0;
}

// commandLevels() prints what each level brings: its depth and time limits, the values that the
// desktop's level choice puts into its two limit fields.
int commandLevels(const CliOptions& options) {
    if (!options.args.empty()) return usageError("levels takes no arguments");
    std::puts("level depth seconds");
    for (int level = MIN_LEVEL; level <= MAX_LEVEL; ++level) {
        const LevelLimits limits = levelLimits(level);
        std::printf("%d %d %d\n", level, limits.depth, limits.seconds);
    }
    return 0;
}

int commandRecord(const CliOptions& options) {
    if (!options.args.empty()) return usageError("record takes no arguments");
    std::fputs(recordText().c_str(), stdout);
    return 0;
}

std::string makeRecordsDirectory(const std::string& directory) {
    if (directory.empty()) return "";
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) return "option --records: cannot make the directory " + directory + ": " + error.message();
    return "";
}

std::string writeGameRecord(const std::string& command, const std::string& directory, long number) {
    char name[32];
    std::snprintf(name, sizeof name, "game-%04ld.txt", number);
    const std::string path = (std::filesystem::path(directory) / name).string();
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return command + ": cannot write " + path + ": " + std::strerror(errno);
    const std::string text = recordText();
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) return command + ": cannot write " + path + ": " + std::strerror(errno);
    return "";
}
