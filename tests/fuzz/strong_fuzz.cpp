// Fuzz target of the strong player: the bytes choose a board, a setup and a line of random legal
// moves, then how the strong player is asked for a move there. Whatever the position, its move must
// be one of the legal moves of the side to move (none only when there is none), and the position must
// be exactly as it was before it thought.
//
// Byte layout: size (4 + b % 13), setup (b % 9), plies (b % 64), one byte per ply choosing move
// b % count of legalMoves(), then the request: depth (1 + b % 3), mode (b % 4):
//   0 a fixed-depth think   1 the same with noise on the root values (a low level)
//   2 a timed think stopped before it starts   3 timed thinks playing up to 8 moves, each checked
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "position/checker.h"
#include "position/position_key.h"
#include "records/record.h"
#include "strong/strong_think.h"
#include "test_support.h"

namespace {

using namespace testing_support;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "strong_fuzz: %s\n", what.c_str());
    std::abort();
}

struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    unsigned next() { return pos < size ? data[pos++] : 0; }
};

// askAndCheck() asks the strong player for a move and checks it against the legal moves and the
// position against the one before the think.
StrongResult askAndCheck(const StrongRequest& request, const std::string& what) {
    const std::vector<Move> legal = legalMoves();
    const GameState before = game;
    const StrongResult result = strongThink(request);
    const std::string difference = diffPositions(game, before);
    if (!difference.empty()) fail(what + ": the think changed the position: " + difference);
    if (result.found != !legal.empty()) fail(what + ": found a move: " + std::to_string(result.found));
    if (!result.found) return result;
    bool isLegal = false;
    for (const Move& m : legal) isLegal = isLegal || sameMove(m, result.move);
    if (!isLegal) fail(what + ": illegal move " + moveText(result.move));
    if (result.depth < 1 || result.depth > request.depthLimit) fail(what + ": depth " + std::to_string(result.depth));
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool sized = false;
    if (!sized) setStrongTableMegabytes(1);
    sized = true;
    Bytes bytes{data, size};
    const int boardSize = 4 + static_cast<int>(bytes.next() % 13);
    const int setup = static_cast<int>(bytes.next() % 9);
    const std::string started = setUpGame(boardSize, setup);
    if (!started.empty()) fail("setting up: " + started);
    const unsigned plies = bytes.next() % 64;
    for (unsigned ply = 0; ply < plies && winner() < 0; ++ply) {
        const std::vector<Move> moves = legalMoves();
        if (moves.empty()) break;
        commitMove(moves[bytes.next() % moves.size()]);
    }
    if (winner() >= 0) return 0;  // nobody thinks in a finished game

    const int depth = 1 + static_cast<int>(bytes.next() % 3);
    const unsigned mode = bytes.next() % 4;
    const std::string where = "size " + std::to_string(boardSize) + " setup " + std::to_string(setup) + " after " +
                              std::to_string(game.historyPosition) + " moves, depth " + std::to_string(depth);
    uint8_t stop = 0;
    strongNewGame();
    switch (mode) {
        case 0: askAndCheck({depth, 0, 0, 0, &stop, false}, where); break;
        case 1: askAndCheck({depth, 0, 3072, bytes.next(), &stop, false}, where + " with noise"); break;
        case 2:
            stop = 1;
            if (askAndCheck({depth, 1e6, 0, 0, &stop, false}, where + " stopped").depth > 1)
                fail(where + ": a stopped think went past its first iteration");
            break;
        default:
            for (int move = 0; move < 8 && winner() < 0; ++move) {
                const StrongResult result = askAndCheck({depth, 1e6, 0, 0, &stop, false}, where + " playing");
                if (!result.found) break;
                commitMove(result.move);
                const std::string problem = checkPosition();
                if (!problem.empty()) fail(where + ": after the strong player's move: " + problem);
            }
            break;
    }
    return 0;
}
