#include "analysis/annotations.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/notation.h"

namespace {

// readScore() reads a whole number within the range of scores, written as annotationText() writes it.
bool readScore(const std::string& text, int32_t& score) {
    if (text.empty() || text.size() > 11) return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size() || value < -2147483647 || value > 2147483647) return false;
    score = static_cast<int32_t>(value);
    return true;
}

bool readMark(const std::string& text, Mark& mark) {
    if (text == "?") mark = Mark::Dubious;
    else if (text == "??") mark = Mark::Blunder;
    else return false;
    return true;
}

// readAnnotation() reads the comment of a move made in the current position: "SCORE [MARK] best MOVE
// SCORE", its best move legal here. Returns false for any other comment.
bool readAnnotation(const std::string& comment, MoveAnalysis& move) {
    std::istringstream words(comment);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    const size_t marked = w.size() == 5 ? 1 : 0;
    if (w.size() != 4 + marked || w[1 + marked] != "best") return false;
    MoveText best;
    move.mark = Mark::Plain;
    return readScore(w[0], move.score) && (!marked || readMark(w[1], move.mark)) && parseMoveText(w[2 + marked], best) &&
           findLegalMove(best, move.best).empty() && readScore(w[3 + marked], move.bestScore);
}

}  // namespace

std::string annotationText(const MoveAnalysis& move) {
    const std::string mark = markText(move.mark);
    return std::to_string(move.score) + (mark.empty() ? "" : " " + mark) + " best " + moveText(move.best) + " " +
           std::to_string(move.bestScore);
}

std::vector<std::string> annotationComments(const GameAnalysis& analysis) {
    std::vector<std::string> comments;
    const size_t covered = analysedMoves(analysis);
    for (size_t i = 0; i < covered; ++i) comments.push_back(annotationText(analysis.moves[i]));
    return comments;
}

GameAnalysis analysisFromRecord(const GameRecord& record) {
    GameAnalysis analysis;
    analysis.line = record;
    const SavedGame saved;
    startPosition(record.size, record.setup);
    startHistory();
    for (size_t i = 0; i < record.moves.size() && i < record.moveComments.size(); ++i) {
        MoveAnalysis move{};
        if (!readAnnotation(record.moveComments[i], move)) break;
        move.best.score = move.bestScore;
        move.played = record.moves[i];
        analysis.moves.push_back(move);
        commitMove(record.moves[i]);
    }
    return analysis;
}
