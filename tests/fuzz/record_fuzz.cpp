// Fuzz target of the game-record reader: the input bytes are the text of a record, read as a record, as
// a paste into a window of board 6, setup 4 (where a bare list of moves is taken too), and as the last
// game that the desktop program keeps (a record with a Ply tag for the position shown).
//
// Checked for every input and both readings:
// - a refusal is one line, names a line of the text and a reason, and leaves the game in play (a short
//   game on board 5, with a move taken back) exactly as it was;
// - an accepted text is a game within the ranges, that loads into a position the from-scratch checker
//   accepts, whose written record reads back to the same game and is written again the same; a last
//   game loads at its Ply, and its record is written again the same;
// - the analysis read from an accepted text's comments leaves the game as it was, covers no more moves
//   than the record has, and written into the record as comments reads back the same.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/annotations.h"
#include "position/checker.h"
#include "records/last_game.h"
#include "records/record.h"
#include "test_support.h"

namespace {

using namespace testing_support;

[[noreturn]] void fail(const std::string& what, const std::string& text) {
    std::fprintf(stderr, "record_fuzz: %s\n--- input ---\n%s\n---\n", what.c_str(), text.c_str());
    std::abort();
}

bool sameGame(const GameRecord& a, const GameRecord& b) {
    if (a.size != b.size || a.setup != b.setup || a.moves.size() != b.moves.size()) return false;
    return std::equal(a.moves.begin(), a.moves.end(), b.moves.begin(), sameMove);
}

// The game in play while a text is read: a few moves on board 5, the last one taken back.
void startGameInPlay() {
    if (!setUpGame(5, 6, {"C1xE3", "A3xC5"}).empty()) std::abort();
    undoStep();
}

void checkRefusal(const RecordError& error, const std::string& text, const GameState& before, const std::string& recordBefore) {
    const std::string line = describeRecordError(error);
    if (line.find('\n') != std::string::npos || error.problem.empty()) fail("refusal is not one line with a reason: " + line, text);
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (error.line < 1 || error.line > lines) fail("refusal names line " + std::to_string(error.line), text);
    if (!diffPositions(game, before).empty() || gameHistory.historyLength != 2 || recordText() != recordBefore)
        fail("a refused text changed the game: " + line, text);
}

bool sameAnalysis(const GameAnalysis& a, const GameAnalysis& b) {
    if (a.moves.size() != b.moves.size()) return false;
    for (size_t i = 0; i < a.moves.size(); ++i) {
        const MoveAnalysis &x = a.moves[i], &y = b.moves[i];
        if (!sameMove(x.played, y.played) || !sameMove(x.best, y.best) || x.score != y.score ||
            x.bestScore != y.bestScore || x.mark != y.mark)
            return false;
    }
    return true;
}

// checkAnnotations() reads the analysis in the comments of an accepted record loaded in play.
void checkAnnotations(const GameRecord& record, const std::string& text) {
    if (record.moveComments.size() != record.moves.size()) fail("not one comment entry per move", text);
    const GameState before = game;
    const GameAnalysis analysis = analysisFromRecord(record);
    if (!diffPositions(game, before).empty()) fail("reading the analysis changed the game", text);
    if (analysis.moves.size() > record.moves.size()) fail("an analysis of more moves than the record has", text);
    const std::string annotated = recordText("", annotationComments(analysis));
    GameRecord again;
    RecordError error;
    if (!readRecord(annotated, again, error)) fail("the annotated record is refused: " + describeRecordError(error), text);
    if (!sameAnalysis(analysis, analysisFromRecord(again)))
        fail("the annotated record reads back to another analysis:\n" + annotated, text);
}

void checkAccepted(const GameRecord& record, const std::string& text) {
    if (record.size < 4 || record.size > MAX_BOARD_SIZE || record.setup < 0 || record.setup > 8)
        fail("accepted a game out of range", text);
    loadRecord(record);
    const std::string problem = checkPosition();
    if (!problem.empty()) fail("checker after loading: " + problem, text);
    if (game.sideToMove != game.historyPosition % 2) fail("side to move does not match the moves", text);
    const std::string written = recordText();
    GameRecord again;
    RecordError error;
    if (!readRecord(written, again, error)) fail("the written record is refused: " + describeRecordError(error), text);
    if (!sameGame(record, again)) fail("the written record reads to another game:\n" + written, text);
    loadRecord(again);
    if (recordText() != written) fail("the record is written differently the second time", text);
    checkAnnotations(record, text);
}

// checkKeptGame() reads the text as a last game: refused like any record, or loaded at its Ply.
void checkKeptGame(const std::string& text) {
    startGameInPlay();
    const GameState before = game;
    const std::string recordBefore = recordText();
    GameRecord record;
    RecordError error;
    int ply = -1;
    if (!readKeptGame(text, record, ply, error)) return checkRefusal(error, text, before, recordBefore);
    if (ply < 0 || ply > static_cast<int>(record.moves.size())) fail("a last game shown at ply " + std::to_string(ply), text);
    loadRecordAt(record, ply);
    const std::string problem = checkPosition();
    if (!problem.empty()) fail("checker after loading a last game: " + problem, text);
    if (game.historyPosition != ply || gameHistory.historyLength != static_cast<int>(record.moves.size()))
        fail("a last game loaded at another ply", text);
    const std::string kept = keptGameText();
    if (loadKeptGame(kept, "kept") != "" || keptGameText() != kept || game.historyPosition != ply)
        fail("a last game is kept differently the second time:\n" + kept, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int paste = 0; paste < 2; ++paste) {
        startGameInPlay();
        const GameState before = game;
        const std::string recordBefore = recordText();
        GameRecord record;
        RecordError error;
        const bool accepted = paste ? readRecordOrMoves(text, 6, 4, record, error) : readRecord(text, record, error);
        if (accepted)
            checkAccepted(record, text);
        else
            checkRefusal(error, text, before, recordBefore);
    }
    checkKeptGame(text);
    return 0;
}
