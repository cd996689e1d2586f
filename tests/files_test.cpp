// Files written whole or not at all: the temporary-file-and-rename step replaces a file or leaves it as it
// was, never leaves a temporary file behind, keeps the mode of the file it replaces; the XDG folders are
// taken from the environment by the XDG rules.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/xdg_paths.h"

namespace {

// A fresh folder of the test's own, removed with everything in it afterwards.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/tarnwick-files-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    std::string read(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const std::string& path, const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }

    std::vector<std::string> entries(const std::string& path) const {
        std::vector<std::string> names;
        DIR* dir = opendir(path.c_str());
        if (!dir) return names;
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        closedir(dir);
        return names;
    }

    std::string folder;
};

TEST_F(FilesTest, AWriteCreatesOrReplacesTheWholeFileAndLeavesNothingElse) {
    const std::string path = folder + "/game.txt";
    EXPECT_EQ(writeFileAtomically(path, "first\n"), "");
    EXPECT_EQ(read(path), "first\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(writeFileAtomically(path, std::string(100000, 'x')), "");
    EXPECT_EQ(read(path), std::string(100000, 'x'));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the replaced file's mode is kept";
    EXPECT_EQ(entries(folder), std::vector<std::string>{"game.txt"});
}

TEST_F(FilesTest, AFailedWriteReportsTheReasonAndLeavesTheTargetAsItWas) {
    // A folder that does not exist; a target that is a folder, which a file cannot replace.
    EXPECT_EQ(writeFileAtomically(folder + "/missing/game.txt", "text"), "No such file or directory");
    ASSERT_EQ(mkdir((folder + "/taken").c_str(), 0700), 0);
    write(folder + "/taken/inside", "kept");
    EXPECT_EQ(writeFileAtomically(folder + "/taken", "text"), "Is a directory");
    EXPECT_EQ(read(folder + "/taken/inside"), "kept");
    std::vector<std::string> left = entries(folder);
    EXPECT_EQ(left, std::vector<std::string>{"taken"}) << "no temporary file is left behind";
}

TEST_F(FilesTest, ReadingGivesTheWholeTextOrTheReason) {
    const std::string path = folder + "/record.txt";
    write(path, "[Size \"8\"]\n*\n");
    std::string text = "unchanged";
    EXPECT_EQ(readTextFile(path, 100, text), "");
    EXPECT_EQ(text, "[Size \"8\"]\n*\n");
    text = "unchanged";
    EXPECT_EQ(readTextFile(path, 5, text), "larger than 5 bytes");
    EXPECT_EQ(readTextFile(folder + "/none.txt", 100, text), "No such file or directory");
    EXPECT_EQ(readTextFile(folder, 100, text), "Is a directory");
    EXPECT_EQ(text, "unchanged");
}

TEST_F(FilesTest, FoldersAreMadeWithTheirParentsOrTheReasonIsGiven) {
    EXPECT_EQ(makeFolders(folder + "/a/b/c"), "");
    struct stat info;
    ASSERT_EQ(stat((folder + "/a/b/c").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(makeFolders(folder + "/a/b/c"), "") << "an existing folder is fine";
    write(folder + "/file", "x");
    EXPECT_EQ(makeFolders(folder + "/file/sub"), "Not a directory");
    EXPECT_EQ(makeFolders(folder + "/file"), "Not a directory");
}

TEST(PathsTest, PathPartsAreSplitAtTheLastSlash) {
    EXPECT_EQ(folderOf("/home/me/game.txt"), "/home/me");
    EXPECT_EQ(folderOf("/game.txt"), "/");
    EXPECT_EQ(folderOf("game.txt"), ".");
    EXPECT_EQ(fileNameOf("/home/me/game.txt"), "game.txt");
    EXPECT_EQ(fileNameOf("game.txt"), "game.txt");
}

TEST(PathsTest, BaseFoldersFollowTheXdgRules) {
    struct Case {
        const char* value;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/var/state", "/home/me", "/var/state"},
        {nullptr, "/home/me", "/home/me/.local/state"},
        {"", "/home/me", "/home/me/.local/state"},
        {"relative/state", "/home/me", "/home/me/.local/state"},  // a relative path is ignored
        {nullptr, nullptr, ""},
        {nullptr, "not/absolute", ""},
        {"/var/state", nullptr, "/var/state"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(xdgFolder(c.value, c.home, "/.local/state"), c.folder)
            << (c.value ? c.value : "(unset)") << ", home " << (c.home ? c.home : "(unset)");
}

TEST(PathsTest, TheProgramsFilesLieInItsOwnFolders) {
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string state = savedState ? savedState : "", config = savedConfig ? savedConfig : "";
    setenv("XDG_STATE_HOME", "/s", 1);
    setenv("XDG_CONFIG_HOME", "/c", 1);
    EXPECT_EQ(lastGamePath(), "/s/tarnwick/last-game.txt");
    EXPECT_EQ(settingsPath(), "/c/tarnwick/settings");
    savedState ? setenv("XDG_STATE_HOME", state.c_str(), 1) : unsetenv("XDG_STATE_HOME");
    savedConfig ? setenv("XDG_CONFIG_HOME", config.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
