#include "tools/commands.h"

#include <cinttypes>
#include <cstdio>

#include "position/game_state.h"
#include "position/history.h"
#include "position/move.h"
#include "position/notation.h"
#include "position/perft.h"
#include "position/setups.h"

int usageError(const std::string& message) {
    std::fprintf(stderr, "tarnwick-cli: %s\n", message.c_str());
    return 2;
}

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

int winner() {
    const bool connected[2] = {game.groupCount[0] == 1, game.groupCount[1] == 1};
    if (connected[0] && connected[1]) return 1 - game.sideToMove;
    if (connected[0]) return 0;
    if (connected[1]) return 1;
    return -1;
}

std::string setUpGame(const CliOptions& options) {
    startPosition(options.size, options.setup);
    startHistory();
    const std::vector<std::string> moves = splitMoves(options.moves);
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string where = "move " + std::to_string(i + 1) + " '" + moves[i] + "': ";
        MoveText text;
        if (!parseMoveText(moves[i], text)) return where + "not a move (write it like B1-B3 or C10xE12)";
        if (winner() >= 0)
            return where + "the game is over: side " + std::to_string(winner()) + " has connected all its pieces";
        Move m;
        const std::string reason = findLegalMove(text, m);
        if (!reason.empty()) return where + reason;
        commitMove(m);
    }
    return "";
}

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
