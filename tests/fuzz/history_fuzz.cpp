// Fuzz target of the position bookkeeping under the game history: the bytes choose a board size,
// a setup and then a sequence of actions (play a legal move, try one and take it back, undo, redo).
// After every action the from-scratch checker must agree with the incremental tables, and undo and
// redo must bring back exactly the position that the game line had at that point. At the end the
// whole line is taken back to the start and replayed to its end.
//
// Byte layout: size (4 + b % 13), setup (b % 9), then one action per byte b:
//   b % 8 in 0..3  play move k of legalMoves(), k = ((b >> 3) * 256 + next byte) % count
//   b % 8 == 4     try move k (same k) with makeMove / unmakeMove, as the search does
//   b % 8 in 5..6  undoStep, when a move is applied
//   b % 8 == 7     redoStep, when a move can be replayed
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "position/checker.h"
#include "test_support.h"

namespace {

using namespace testing_support;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "history_fuzz: %s\n", what.c_str());
    std::abort();
}

// Reads the input a byte at a time; past the end every byte reads as 0.
struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    bool done() const { return pos >= size; }
    unsigned next() { return pos < size ? data[pos++] : 0; }
};

bool sameSquares(const Move& a, const Move& b) {
    return a.fromRow == b.fromRow && a.fromCol == b.fromCol && a.toRow == b.toRow && a.toCol == b.toCol;
}

// The state every action must leave behind: checker clean, side to move from the number of moves
// applied, lastMove the entry before historyPosition (or no squares at the start).
void checkAfter(const std::string& action) {
    const std::string problem = checkPosition();
    if (!problem.empty()) fail("after " + action + ": checker: " + problem);
    const int position = game.historyPosition;
    if (position < 0 || position > gameHistory.historyLength)
        fail("after " + action + ": historyPosition " + std::to_string(position) + " of " +
             std::to_string(gameHistory.historyLength));
    if (game.sideToMove != position % 2) fail("after " + action + ": side to move does not match the history");
    const Move none{};
    if (!sameSquares(lastMove, position == 0 ? none : gameHistory.historyMoves[position - 1]))
        fail("after " + action + ": lastMove is not the move before the current position");
    if (pendingMove.fromRow != 0 || pendingMove.fromCol != 0) fail("after " + action + ": a square is still selected");
}

// comparable() blanks what diffPositions() leaves out (group names, stamps and weights, scratch
// values), so that equal bytes mean an equal position. Bytes that still differ, padding included,
// go to diffPositions() for the verdict: the byte comparison only saves its cost when all is well.
GameState comparable(const GameState& state) {
    GameState copy = state;
    for (PieceRecord& piece : copy.pieces) piece.group = 0, piece.stamp = 0, piece.weight = 0;
    copy.setupNumber = 0;
    copy.stampCounter = 0;
    copy.evaluationCount = 0;
    copy.obstruction = copy.groupCountCopy = 0;
    return copy;
}

void expectSame(const GameState& expected, const std::string& action) {
    const GameState a = comparable(game), b = comparable(expected);
    if (std::memcmp(&a, &b, sizeof a) == 0) return;
    const std::string difference = diffPositions(game, expected);
    if (!difference.empty()) fail("after " + action + ": position differs: " + difference);
}

// line[p] is the position after the first p moves of the current game line.
std::vector<GameState> line;

bool pickMove(Bytes& bytes, unsigned b, Move& m) {
    const unsigned choice = (b >> 3) * 256 + bytes.next();
    const std::vector<Move> moves = legalMoves();
    if (moves.empty()) return false;
    m = moves[choice % moves.size()];
    return true;
}

void play(Bytes& bytes, unsigned b) {
    Move m;
    if (!pickMove(bytes, b, m)) return;
    commitMove(m);
    const std::string action = "move " + std::to_string(game.historyPosition) + " " + moveText(m);
    checkAfter(action);
    if (gameHistory.historyLength != game.historyPosition) fail("after " + action + ": moves beyond were kept");
    line.resize(game.historyPosition);
    line.push_back(game);
}

void tryAndTakeBack(Bytes& bytes, unsigned b) {
    Move m;
    if (!pickMove(bytes, b, m)) return;
    const std::string action = "trying " + moveText(m);
    makeMove(m);
    const std::string problem = checkPosition();
    if (!problem.empty()) fail(action + ": checker: " + problem);
    unmakeMove(m);
    checkAfter("taking back " + action);
    expectSame(line[game.historyPosition], "taking back " + action);
}

void undo() {
    if (game.historyPosition == 0) return;
    undoStep();
    const std::string action = "undo to " + std::to_string(game.historyPosition);
    checkAfter(action);
    expectSame(line[game.historyPosition], action);
}

void redo() {
    if (game.historyPosition >= gameHistory.historyLength) return;
    redoStep();
    const std::string action = "redo to " + std::to_string(game.historyPosition);
    checkAfter(action);
    expectSame(line[game.historyPosition], action);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes bytes{data, size};
    const int boardSize = 4 + static_cast<int>(bytes.next() % 13);
    const int setup = static_cast<int>(bytes.next() % 9);
    const std::string started = setUpGame(boardSize, setup);
    if (!started.empty()) fail("setting up: " + started);
    checkAfter("setup " + std::to_string(setup) + " on size " + std::to_string(boardSize));
    line.assign(1, game);

    while (!bytes.done()) {
        const unsigned b = bytes.next();
        switch (b % 8) {
            case 4: tryAndTakeBack(bytes, b); break;
            case 5:
            case 6: undo(); break;
            case 7: redo(); break;
            default: play(bytes, b); break;
        }
    }

    // Restart, then go to the end: the start and the end of the line come back exactly.
    while (game.historyPosition > 0) undo();
    expectSame(line.front(), "taking every move back");
    while (game.historyPosition < gameHistory.historyLength) redo();
    expectSame(line.back(), "replaying every move");
    return 0;
}
