// Annotated records: the analysis of each move written as the comment after it,
//
//     5. B8-D6 {-1545 ?? best B8-B6 2049}
//
// the score of the move played, its mark when it has one, and the best move with its score, all for the
// side that made the move. A record reader skips comments, so an annotated record reads everywhere as
// the plain one; these readers also find the analysis in it again.
#pragma once

#include <string>
#include <vector>

#include "analysis/game_analysis.h"
#include "records/record.h"

// annotationText() is the comment of one analysed move, without its braces: "-1545 ?? best B8-B6 2049",
// or "312 best C1-C3 400" for a move without a mark.
std::string annotationText(const MoveAnalysis& move);

// annotationComments() is the comment of every move the analysis covers in the game history (see
// analysedMoves()), for recordText() and wholeGameRecordText().
std::vector<std::string> annotationComments(const GameAnalysis& analysis);

// analysisFromRecord() reads the analysis back from a record: the line is the record's, and the moves
// found are those from the first on whose comment is an annotation, up to the first that has none (a
// comment of another kind, or a best move that is not legal where it stands, ends them too). The
// position, the history, lastMove and pendingMove are as they were when it returns.
GameAnalysis analysisFromRecord(const GameRecord& record);
