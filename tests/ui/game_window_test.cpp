// The game window's parts in-process: the move list's lines with the analysis and the result and its
// keys, the analysis of the game run in the event loop with the results of its steps, stopped by Stop
// and by a new move and not by going back and forth, the analysis an opened record carries, and the
// graph's points and scale. Filling the list's widget, showing the window, the line of the position
// shown and the message boxes need a display: the desktop tests do that.
#include <FL/Fl.H>

#include <algorithm>

#include "analysis/annotations.h"
#include "moves/evaluate.h"
#include "tests/ui/desktop_fixture.h"
#include "ui/evaluation_graph.h"
#include "ui/game_analysis.h"
#include "ui/game_keys.h"
#include "ui/game_window.h"
#include "ui/move_list.h"
#include "ui/navigation.h"

namespace {

using testing_support::sameMove;

const std::vector<std::string> LINE = {"B1-B3", "H7-G6", "C8-C6", "G6xC6", "B8-D6", "H6xD6", "G1-G3", "D6xG3"};

class GameWindowTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        addGameListener(followGameInGameWindow);
    }

    void TearDown() override {
        gameAnalysisFollows(GameChange::GameReplaced);
        DesktopTest::TearDown();
    }

    void start(int size, int setup, const std::vector<std::string>& moves) {
        startGame(size, setup, moves);
        gameChanged(GameChange::GameReplaced);
    }

    // analyseToTheEnd() runs "Analyse game" at `depth` in the event loop until it ends.
    static bool analyseToTheEnd(int depth) {
        analyseGameAt(depth);
        return runEventLoop([] { return !gameAnalysisRunning(); });
    }

    static int keyIn(Move_List& list, int keysym) {
        Fl::e_keysym = keysym;
        Fl::e_state = 0;
        return list.handle(FL_KEYBOARD);
    }

    // lineOf() is the list's line of move i as the tool's analyse rates it.
    static std::string lineOf(size_t i, const MoveAnalysis& move) {
        const std::string mark = markText(move.mark);
        return std::to_string(i / 2 + 1) + (i % 2 ? "...\t" : ".\t") + LINE[i] + "\t" + std::to_string(move.score) +
               (mark.empty() ? "" : " " + mark);
    }
};

TEST_F(GameWindowTest, TheListHasALinePerMoveOfTheHistoryAndTheResult) {
    start(8, 3, {"B1-B3", "H7-G6", "C8-C6"});
    const std::vector<std::string> lines{"start", "1.\tB1-B3", "1...\tH7-G6", "2.\tC8-C6"};
    EXPECT_EQ(moveListLines(), lines);
    showPly(1);
    EXPECT_EQ(moveListLines(), lines) << "the moves taken back stay in the list";
    start(4, 3, {"B1xD3", "D2-B2"});
    EXPECT_EQ(moveListLines(), (std::vector<std::string>{"start", "1.\tB1xD3", "1...\tD2-B2", "0-1 side 1 connected"}));
    showPly(0);
    EXPECT_EQ(moveListLines().back(), "0-1 side 1 connected") << "the game is decided at its end, whatever is shown";
    EXPECT_EQ(moveNoteText(), "");
}

// The list's keys show the position after a move, as the navigation buttons would; nothing while the
// computer thinks.
TEST_F(GameWindowTest, TheListsKeysShowThePositionAfterAMove) {
    start(8, 3, LINE);
    Move_List list(0, 0, 200, 200);
    struct KeyCase {
        int keysym, ply;
    };
    const KeyCase cases[] = {{FL_Home, 0}, {FL_Down, 1}, {FL_Down, 2}, {FL_Up, 1}, {FL_End, 8},
                             {FL_Page_Up, 0}, {FL_Page_Down, 8}, {FL_Up, 7}};
    for (const KeyCase& c : cases) {
        EXPECT_EQ(keyIn(list, c.keysym), 1);
        EXPECT_EQ(game.historyPosition, c.ply) << "key " << c.keysym;
        EXPECT_EQ(gameHistory.historyLength, 8);
    }
    thinking = true;
    EXPECT_EQ(keyIn(list, FL_Home), 1);
    EXPECT_EQ(game.historyPosition, 7) << "while the computer thinks the list does not act";
    thinking = false;
    EXPECT_EQ(keyIn(list, 'a'), 0) << "other keys are the toolkit's";
}

// "Analyse game" in the event loop finds what the analysis's steps find with the same player and depth,
// and shows it in the list and the note; the position shown stays.
TEST_F(GameWindowTest, TheAnalysisInTheEventLoopFindsWhatItsStepsFind) {
    start(8, 3, LINE);
    showPly(3);
    const GameState before = game;
    ASSERT_TRUE(analyseToTheEnd(2));
    EXPECT_EQ(testing_support::diffPositions(before, game), "");
    GameRecord line;
    line.moves = gameHistory.historyMoves;
    GameAnalysis expected = startGameAnalysis(line, 2);
    while (!analysisComplete(expected)) analyseNextMove(expected);
    const GameAnalysis& found = windowAnalysis();
    ASSERT_EQ(found.moves.size(), LINE.size());
    const std::vector<std::string> lines = moveListLines();
    for (size_t i = 0; i < LINE.size(); ++i) {
        EXPECT_TRUE(sameMove(found.moves[i].best, expected.moves[i].best));
        EXPECT_EQ(found.moves[i].score, expected.moves[i].score);
        EXPECT_EQ(found.moves[i].mark, expected.moves[i].mark);
        EXPECT_EQ(lines[i + 1], lineOf(i, expected.moves[i]));
    }
    const MoveAnalysis& third = expected.moves[2];
    const std::string mark = markText(third.mark);
    EXPECT_EQ(moveNoteText(), "2. C8-C6: " + std::to_string(third.score) + (mark.empty() ? "" : " " + mark) +
                                  (moveText(third.best) == "C8-C6" ? ", the best move"
                                                                   : ", best " + moveText(third.best) + " " +
                                                                         std::to_string(third.bestScore)));
    EXPECT_EQ(analysisProgressText(), "move 8 of 8");
    EXPECT_TRUE(canAnalyseGame());
}

// Stop and a new move end it with what it found so far; going back and forth does not; another game
// takes what it found away.
TEST_F(GameWindowTest, StopAndANewMoveEndTheAnalysisNavigationDoesNot) {
    start(8, 3, LINE);
    analyseGameAt(2);
    EXPECT_FALSE(canAnalyseGame()) << "one at a time";
    Fl::check();
    const size_t found = windowAnalysis().moves.size();
    ASSERT_GE(found, 1u);
    ASSERT_LT(found + 1, LINE.size());
    EXPECT_EQ(analysisProgressText(), "move " + std::to_string(found + 1) + " of 8");
    showPly(2);
    Fl::check();
    EXPECT_TRUE(gameAnalysisRunning());
    EXPECT_EQ(windowAnalysis().moves.size(), found + 1) << "going back and forth does not stop it";
    stopGameAnalysis();
    EXPECT_FALSE(gameAnalysisRunning());
    runEventLoop([] { return false; }, 20);
    EXPECT_EQ(windowAnalysis().moves.size(), found + 1);
    EXPECT_EQ(analysisProgressText(), "stopped at move " + std::to_string(found + 1) + " of 8");

    analyseGameAt(2);
    Fl::check();
    Fl::check();
    ASSERT_EQ(windowAnalysis().moves.size(), 2u);
    playByClicks(testing_support::legalMoves()[0]);
    EXPECT_FALSE(gameAnalysisRunning()) << "a new move stops it";
    const std::vector<std::string> lines = moveListLines();
    ASSERT_EQ(lines.size(), 4u) << "the list follows the new line";
    EXPECT_EQ(std::count(lines[3].begin(), lines[3].end(), '\t'), 1) << lines[3] << ": the new move has no score";
    EXPECT_EQ(analysedMoves(windowAnalysis()), 2u) << "the first two moves keep what was found for them";
    start(8, 3, LINE);
    EXPECT_TRUE(windowAnalysis().moves.empty()) << "another game";
    EXPECT_TRUE(graphPoints().values.empty());
    EXPECT_EQ(analysisProgressText(), "");
}

// Opening or pasting an annotated record shows its analysis, and Save as writes it back as it was.
TEST_F(GameWindowTest, AnOpenedAnnotatedRecordShowsItsAnalysis) {
    start(8, 3, LINE);
    ASSERT_TRUE(analyseToTheEnd(1));
    const std::string path = folder + "/annotated.txt", again = folder + "/again.txt";
    ASSERT_EQ(saveGameFile(path), "");
    const std::vector<std::string> lines = moveListLines();
    start(8, 3, {});
    ASSERT_EQ(moveListLines().size(), 1u);
    ASSERT_EQ(openGameFile(path), "");
    EXPECT_EQ(moveListLines(), lines);
    EXPECT_EQ(graphPoints().values.size(), LINE.size() + 1);
    EXPECT_EQ(analysisProgressText(), "") << "nothing was analysed";
    ASSERT_EQ(saveGameFile(again), "");
    EXPECT_EQ(readFile(again), readFile(path));
    EXPECT_NE(readFile(path).find('{'), std::string::npos);
    start(8, 3, {});
    ASSERT_EQ(pasteGame(readFile(path)), "");
    EXPECT_EQ(moveListLines(), lines);
}

TEST_F(GameWindowTest, TheGraphHasAPointPerPlyForSideZeroOnAScaleThatSlowsDown) {
    start(8, 3, LINE);
    EXPECT_TRUE(graphPoints().values.empty()) << "before an analysis";
    ASSERT_TRUE(analyseToTheEnd(2));
    showPly(5);
    const GraphPoints points = graphPoints();
    ASSERT_EQ(points.values.size(), 9u);
    EXPECT_EQ(points.plies, 8);
    EXPECT_EQ(points.shownPly, 5);
    const GameAnalysis& analysis = windowAnalysis();
    EXPECT_EQ(points.values[0], analysis.moves[0].bestScore);
    EXPECT_EQ(points.values[1], analysis.moves[0].score);
    EXPECT_EQ(points.values[2], -analysis.moves[1].score);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(points.marks[i], analysis.moves[i].mark);

    EXPECT_EQ(graphHeight(0), 0);
    EXPECT_EQ(graphHeight(DECIDED_BOUND), 1);
    EXPECT_EQ(graphHeight(-WIN_SCORE - 7), -1);
    EXPECT_NEAR(graphHeight(2 * DISTANCE_WEIGHT), 0.4, 1e-9) << "two steps stand out";
    EXPECT_NEAR(graphHeight(-2 * DISTANCE_WEIGHT), -0.4, 1e-9);
    EXPECT_LT(graphHeight(DECIDED_BOUND - 1), 1);
    EXPECT_GT(graphHeight(20000), graphHeight(8000));
    Evaluation_Graph graph(10, 10, 290, 100);
    graph.points = points;
    for (int ply = 0; ply <= 8; ++ply) EXPECT_EQ(graph.plyAt(graph.plyX(ply)), ply);
    EXPECT_EQ(graph.plyAt(-50), 0);
    EXPECT_EQ(graph.plyAt(400), 8);
}

}  // namespace
