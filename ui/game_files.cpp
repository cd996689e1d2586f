#include "ui/game_files.h"

#include <unistd.h>

#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Window.H>

#include <cstdio>

#include "analysis/annotations.h"
#include "files/atomic_file.h"
#include "files/xdg_paths.h"
#include "position/game_state.h"
#include "position/history.h"
#include "position/setups.h"
#include "records/last_game.h"
#include "records/record.h"
#include "ui/board_dialog.h"
#include "ui/board_view.h"
#include "ui/game_analysis.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/widgets.h"

namespace {

const char* const PROGRAM_TITLE = "Tarnwick 2.0";
const char* const RECORD_FILTER = "Game records\t*.txt\nAll files\t*";

// The file the window's game was last opened from or saved to; "" when none.
std::string gameFile;

// The last game of an earlier run, read at start-up, or why there is none.
std::string previousGame;
std::string previousGameProblem = "the last game has not been read";

bool keepingFailed = false;

void tell(const char* title, const std::string& message) { tellRefusal(title, message); }

// showNewGame() shows the game that has just replaced the one on the board: the window is built
// again for another board size, and the listeners hear of it.
void showNewGame(int oldSize) {
    if (game.boardSize != oldSize)
        rebuildMainWindow();
    else
        refreshBoard();
    gameChanged(GameChange::GameReplaced);
}

// InFolder makes `folder` the process's working folder for as long as it lives. The toolkit's own
// chooser reads a name typed without a folder as one in the working folder, whatever folder it shows:
// inside the folder it shows, a new name typed in Save as lands there and not in the folder the
// program was started from.
class InFolder {
public:
    explicit InFolder(const std::string& folder) {
        char here[4096];
        if (folder.empty() || !getcwd(here, sizeof here)) return;
        if (chdir(folder.c_str()) == 0) previous_ = here;
    }
    ~InFolder() {
        if (!previous_.empty() && chdir(previous_.c_str()) != 0) {
            // The folder left has gone meanwhile: the names the program uses are absolute anyway.
        }
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::string previous_;
};

// absoluteOf() is the path as an absolute one, read in the working folder.
std::string absoluteOf(const char* path) {
    char here[4096];
    if (path[0] == '/' || !getcwd(here, sizeof here)) return path;
    return std::string(here) + "/" + path;
}

// chooseFile() asks for a file with the toolkit's chooser; "" when the person cancels.
std::string chooseFile(const char* title, Fl_Native_File_Chooser::Type type) {
    const InFolder inFolder(gameFile.empty() ? "" : folderOf(gameFile));
    Fl_Native_File_Chooser chooser(type);
    chooser.title(title);
    chooser.filter(RECORD_FILTER);
    if (type == Fl_Native_File_Chooser::BROWSE_SAVE_FILE)
        chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
    // The chooser starts in the folder of the window's file, its name in the list. The name is not put
    // into the file field: the toolkit's chooser garbles a field whose text it has to complete while
    // the person types over a name it holds, and starts clean after the folder's path.
    if (!gameFile.empty()) chooser.directory(folderOf(gameFile).c_str());
    switch (chooser.show()) {
        case 0:
            return absoluteOf(chooser.filename());
        case -1:
            tell(title, std::string("The file chooser failed: ") + chooser.errmsg());
            return "";
        default:
            return "";
    }
}

}  // namespace

void showFileInTitle(const std::string& path) {
    gameFile = path;
    gameWindow->copy_label((fileNameOf(path) + " - " + PROGRAM_TITLE).c_str());
}

void showPlainTitle() {
    gameFile.clear();
    gameWindow->label(PROGRAM_TITLE);
}

void newGame() {
    if (thinking) return;
    int size = game.boardSize, setup = game.setupNumber;
    if (!askNewBoard(size, setup)) return;
    const int oldSize = game.boardSize;
    startPosition(size, setup);
    startHistory();
    showNewGame(oldSize);
}

std::string openGameFile(const std::string& path) {
    std::string text;
    const std::string unreadable = readTextFile(path, MAX_RECORD_BYTES, text);
    if (!unreadable.empty()) return "Not opened: cannot read '" + path + "': " + unreadable;
    GameRecord record;
    RecordError error;
    if (!readRecord(text, record, error)) return "Not opened: " + describeRecordError(error, path);
    const int oldSize = game.boardSize;
    loadRecord(record);
    showNewGame(oldSize);
    showRecordAnalysis(record);
    showFileInTitle(path);
    return "";
}

void openGame() {
    if (thinking) return;
    const std::string path = chooseFile("Open game", Fl_Native_File_Chooser::BROWSE_FILE);
    if (path.empty()) return;
    const std::string refused = openGameFile(path);
    if (!refused.empty()) tell("Open refused", refused);
}

std::string saveGameFile(const std::string& path) {
    const std::string error = writeFileAtomically(path, wholeGameRecordText("", annotationComments(windowAnalysis())));
    if (!error.empty()) return "Not saved: cannot write '" + path + "': " + error;
    showFileInTitle(path);
    return "";
}

void saveGameAs() {
    if (thinking) return;
    const std::string path = chooseFile("Save game as", Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
    if (path.empty()) return;
    const std::string refused = saveGameFile(path);
    if (!refused.empty()) tell("Save refused", refused);
}

void rememberLastGame() {
    previousGame.clear();
    previousGameProblem = readLastGameFile(previousGame);
}

void resumeLastGame() {
    if (thinking) return;
    if (!previousGameProblem.empty()) return tell("Resume refused", "No last game: " + previousGameProblem);
    const int oldSize = game.boardSize;
    const std::string refused = loadKeptGame(previousGame, lastGamePath());
    if (!refused.empty()) return tell("Resume refused", "Not resumed: " + refused);
    showNewGame(oldSize);
}

void titleFollowsGame(GameChange change) {
    if (change == GameChange::GameReplaced && !gameFile.empty()) showPlainTitle();
}

void keepGame(GameChange) {
    const std::string error = keepLastGame();
    if (error.empty() || keepingFailed) return;
    keepingFailed = true;
    std::fprintf(stderr, "tarnwick: %s; the game goes on without it\n", error.c_str());
}
