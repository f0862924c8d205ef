// Where the game looks for its data/ folder, and which folder it takes.
#include "app/DataFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Folders = std::vector<std::string>;

const Folders Installed = {"../share/games/reversi", "../share/reversi"};

TEST(DataFolderLookup, CandidatesInOrderWithoutRepeats)
{
    struct Row {
        const char* situation;
        const char* overrideFolder;
        std::string current;
        std::string executable;
        Folders expected;
    };
    const Row rows[] = {
        {"installed under /usr/games", nullptr, "/home/me", "/usr/games/reversi",
         {"/home/me", "/usr/share/games/reversi", "/usr/share/reversi"}},
        {"override first", "/opt/data", "/home/me", "/usr/local/bin/reversi",
         {"/opt/data", "/home/me", "/usr/local/share/games/reversi", "/usr/local/share/reversi"}},
        {"empty override ignored", "", "/home/me", "/usr/bin/reversi",
         {"/home/me", "/usr/share/games/reversi", "/usr/share/reversi"}},
        {"executable unknown", nullptr, "/home/me", "", {"/home/me"}},
        {"repeats dropped", "/usr/share/reversi", "/usr/share/reversi", "/usr/bin/reversi",
         {"/usr/share/reversi", "/usr/share/games/reversi"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.situation);
        EXPECT_EQ(dataFolderCandidates(row.overrideFolder, row.current, row.executable, Installed),
                  row.expected);
    }
}

TEST(DataFolderLookup, TakesTheFirstFolderHoldingTheGameFiles)
{
    const TempFolder folder("reversi-lookup");
    const fs::path root = folder.root();
    // "full" holds both files the game needs first, "fontOnly" one of them, "empty" nothing.
    for (const char* file : {"full/data/image/font3.tga", "full/data/image/tray.tga",
                             "fontOnly/data/image/font3.tga"}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "picture";
    }
    fs::create_directories(root / "empty");
    const std::string full = (root / "full").string();
    const std::string fontOnly = (root / "fontOnly").string();
    const std::string empty = (root / "empty").string();

    struct Row {
        Folders candidates;
        std::string chosen;
        size_t triedCount;
    };
    const Row rows[] = {
        {{empty, fontOnly, full, "/nowhere"}, full, 3},
        {{full, empty}, full, 1},
        {{empty, fontOnly, "/nowhere"}, "", 3},
        {{}, "", 0},
    };
    for (const Row& row : rows) {
        const DataFolderChoice choice = chooseDataFolder(row.candidates, holdsGameData);
        EXPECT_EQ(choice.folder, row.chosen);
        EXPECT_EQ(choice.tried, Folders(row.candidates.begin(), row.candidates.begin() + row.triedCount));
    }
}

} // namespace
