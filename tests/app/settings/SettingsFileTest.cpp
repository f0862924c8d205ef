// The settings file: good and hostile files, what is read from each and whether one line is
// said, the path from the environment, and the whole-file write.
#include "app/settings/SettingsFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

using namespace settings;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder + "/reversi"); }

    void writeRaw(const std::string& bytes) const
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }

    TempFolder m_temp{"reversi-settings"};
    const std::string m_folder = m_temp.root();
    const std::string m_path = m_folder + "/reversi/settings";
};

struct FileRow {
    const char* what;
    std::string bytes; // the file's content; see `kind` for files that are no plain text
    enum Kind { Text, Missing, Folder, Unreadable } kind;
    bool marks;
    bool sound;
    int level;
    bool saysOneLine;
    bool records = true;
    bool values = false;
};

TEST_F(SettingsFile, ReadsWhatIsGoodAndKeepsTheDefaultForWhatIsBad)
{
    const std::string huge = "marks = on\n" + std::string(MaxSettingsFileBytes, '#');
    const std::vector<FileRow> rows = {
        {"no file: the defaults, quietly", "", FileRow::Missing, false, true, 3, false},
        {"every key set", "marks = on\nsound = off\nrecords = off\nvalues = on\nlevel = 5\n", FileRow::Text, true, false, 5, false, false, true},
        {"a bad value for values", "values = 1\nmarks = on\n", FileRow::Text, true, true, 3, true},
        {"spaces, tabs, CRLF, comments, blank lines", "# mine\r\n\n\tmarks=on \r\n  level =1\r\n", FileRow::Text, true, true, 1, false},
        {"no final newline", "sound = off", FileRow::Text, false, false, 3, false},
        {"an empty file", "", FileRow::Text, false, true, 3, false},
        {"an unknown key among good ones", "marks = on\ncolour = blue\nlevel = 2\n", FileRow::Text, true, true, 2, true},
        {"bad values", "marks = yes\nsound = off\nlevel = 9\n", FileRow::Text, false, false, 3, true},
        {"a level that is not a number", "level = 3x\n", FileRow::Text, false, true, 3, true},
        {"a line without =", "marks on\n", FileRow::Text, false, true, 3, true},
        {"binary bytes", "sound = off\nmarks\0= on\n\xff\xfe\x01\n"s, FileRow::Text, false, false, 3, true},
        {"too large: nothing of it is read", huge, FileRow::Text, false, true, 3, true},
        {"a folder in its place", "", FileRow::Folder, false, true, 3, true},
        {"no permission to read", "marks = on\n", FileRow::Unreadable, false, true, 3, true},
    };
    for (const FileRow& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(m_path);
        if (row.kind == FileRow::Unreadable && ::geteuid() == 0)
            continue; // permissions do not stop root
        if (row.kind == FileRow::Text || row.kind == FileRow::Unreadable)
            writeRaw(row.bytes);
        if (row.kind == FileRow::Folder)
            fs::create_directory(m_path);
        if (row.kind == FileRow::Unreadable)
            fs::permissions(m_path, fs::perms::none);

        std::string said;
        const Settings read = readSettingsFile(m_path, said);
        EXPECT_EQ(read.marks, row.marks);
        EXPECT_EQ(read.sound, row.sound);
        EXPECT_EQ(read.level, row.level);
        EXPECT_EQ(read.records, row.records);
        EXPECT_EQ(read.values, row.values);
        if (row.saysOneLine) {
            EXPECT_NE(said.find(m_path), std::string::npos) << said;
            EXPECT_EQ(said.find('\n'), std::string::npos) << "one line, its newline the caller's: " << said;
            EXPECT_TRUE(std::all_of(said.begin(), said.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
                << "the line stays printable";
        } else {
            EXPECT_EQ(said, "");
        }
    }
}

TEST_F(SettingsFile, PathFollowsTheBaseDirectories)
{
    EXPECT_EQ(settingsPath("/x/config", "/home/p"), "/x/config/reversi/settings");
    EXPECT_EQ(settingsPath(nullptr, "/home/p"), "/home/p/.config/reversi/settings");
    EXPECT_EQ(settingsPath("relative", "/home/p"), "/home/p/.config/reversi/settings");
    EXPECT_EQ(settingsPath("", nullptr), "");
}

TEST_F(SettingsFile, WritesTheWholeFileInOneRenameAndReadsItBack)
{
    fs::remove_all(m_folder + "/reversi"); // the folder is made on the way
    Settings chosen;
    chosen.marks = true;
    chosen.sound = false;
    chosen.level = 4;
    chosen.values = true;
    std::string error;
    ASSERT_TRUE(writeSettingsFile(m_path, chosen, error)) << error;
    chosen.level = 2;
    ASSERT_TRUE(writeSettingsFile(m_path, chosen, error)) << error; // over the old one

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder + "/reversi"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"settings"}) << "no temporary file is left behind";
    const Settings read = readSettingsFile(m_path, error);
    EXPECT_TRUE(read.marks);
    EXPECT_FALSE(read.sound);
    EXPECT_EQ(read.level, 2);
    EXPECT_TRUE(read.values);
    EXPECT_EQ(error, "");
}

TEST_F(SettingsFile, FoldersItMakesAreThePlayersOwn)
{
    const mode_t umaskBefore = ::umask(022); // the mode asked for, not the runner's
    const std::string config = m_folder + "/made/config";
    std::string error;
    EXPECT_TRUE(writeSettingsFile(settingsPath(config.c_str(), m_folder.c_str()), Settings(), error)) << error;
    ::umask(umaskBefore);
    for (const std::string& folder : {m_folder + "/made", config, config + "/reversi"}) {
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
}

TEST_F(SettingsFile, WhereItCannotBeWrittenOneLineAndNothingLeftBehind)
{
    // A plain file where the folder should be: no folder can be made under it.
    const std::string blocked = m_folder + "/blocked";
    std::ofstream(blocked) << "x";
    std::string said;
    EXPECT_FALSE(writeSettingsFile(blocked + "/reversi/settings", Settings(), said));
    EXPECT_FALSE(said.empty());
    EXPECT_EQ(said.find('\n'), std::string::npos) << said;
    // A folder where the file should be: the rename cannot replace it, and nothing is left.
    fs::remove(m_path);
    fs::create_directory(m_path);
    said.clear();
    EXPECT_FALSE(writeSettingsFile(m_path, Settings(), said));
    EXPECT_NE(said.find(m_path), std::string::npos);
    EXPECT_TRUE(fs::is_directory(m_path));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder + "/reversi"), fs::directory_iterator()), 1);
}

} // namespace
