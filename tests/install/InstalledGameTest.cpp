// The installed game as a player meets it: every file in its place, and the game started from
// an unrelated folder finds its own data (the title shows the green board and its prompt).
// Installed twice over: by `cmake --install` into a DESTDIR, and from the Debian package,
// listed with `dpkg-deb -c` and unpacked with `dpkg-deb -x`.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <sstream>

namespace {

const std::string appId = REVERSI_APP_ID;
const std::string prompt = "Appuyer sur une touche pour commencer\n";
constexpr double promptX = 0.158; // (38 bytes centred)
constexpr double enoughInk = 0.85;

// The board's textured surface: without its picture the board is plain white.
bool showsGreenBoard(const Screenshot& shot)
{
    int green = 0;
    for (int y = 234; y < 534; y += 4)
        for (int x = 312; x < 712; x += 4) {
            const Rgb pixel = shot.at(x, y);
            green += pixel.green > pixel.red + 40 && pixel.green > pixel.blue + 20;
        }
    return green > 2000; // of 7500 looked at
}

// What a shell command printed, with ROOT standing for `root`; its exit status must be 0.
std::string outputOf(std::string command, const std::string& root)
{
    for (size_t at; (at = command.find("ROOT")) != std::string::npos;)
        command.replace(at, 4, root);
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

// The last word of every line: the path, in `find` and in `dpkg-deb -c` listings alike.
std::set<std::string> listedPaths(const std::string& listing)
{
    std::set<std::string> paths;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        paths.insert(line.substr(line.rfind(' ') + 1));
    return paths;
}

std::string packageFile()
{
    for (const auto& entry : std::filesystem::directory_iterator(REVERSI_PACKAGE_DIR))
        if (entry.path().extension() == ".deb")
            return entry.path().string();
    return "";
}

// The files of an install under `prefix`, with the executable and data where given.
std::vector<std::string> installedFiles(const std::string& prefix, const std::string& bindir,
                                        const std::string& datadir)
{
    std::vector<std::string> files = {
        prefix + bindir + "/reversi",
        prefix + datadir + "/data/image/font3.tga",
        prefix + datadir + "/data/image/tray.tga",
        prefix + datadir + "/data/image/particle.tga",
        prefix + datadir + "/data/image/fond.tga",
        prefix + datadir + "/data/zik.ogg",
        prefix + datadir + "/data/win.wav",
        prefix + "share/applications/" + appId + ".desktop",
        prefix + "share/metainfo/" + appId + ".metainfo.xml",
        prefix + "share/man/man6/reversi.6.gz",
        prefix + "share/doc/reversi/copyright",
    };
    for (const char* size : {"48x48", "64x64", "128x128", "256x256"})
        files.push_back(prefix + "share/icons/hicolor/" + size + "/apps/" + appId + ".png");
    return files;
}

} // namespace

TEST(InstalledGame, EveryFileInPlaceAndTheTitleFromAnUnrelatedFolder)
{
    const std::string deb = packageFile();
    ASSERT_FALSE(deb.empty()) << "no .deb in " << REVERSI_PACKAGE_DIR;
    struct Row {
        const char* way;
        std::string install; // fills the folder ROOT
        std::string list;    // lists what was installed
        std::vector<std::string> files;
        std::string executable;
    };
    const Row rows[] = {
        {"cmake --install into a DESTDIR",
         "DESTDIR=ROOT '" REVERSI_CMAKE "' --install '" REVERSI_BUILD_DIR "' --prefix /opt/reversi",
         "cd ROOT && find . -type f", installedFiles("./opt/reversi/", "bin", "share/reversi"),
         "opt/reversi/bin/reversi"},
        {"the Debian package", "dpkg-deb -x '" + deb + "' ROOT", "dpkg-deb -c '" + deb + "'",
         installedFiles("./usr/", "games", "share/games/reversi"), "usr/games/reversi"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.way);
        const std::string root = makeTempDirectory("reversi-installed");
        const std::string elsewhere = makeTempDirectory("reversi-elsewhere");
        outputOf(row.install, root);
        const std::string listing = outputOf(row.list, root);
        const std::set<std::string> listed = listedPaths(listing);
        for (const std::string& file : row.files)
            EXPECT_EQ(listed.count(file), 1u) << file << " is not in:\n" << listing;

        const auto started = std::chrono::steady_clock::now();
        {
            GameSession::Setup setup;
            setup.executable = root + "/" + row.executable;
            setup.workingDirectory = elsewhere;
            GameSession session(setup);
            ASSERT_TRUE(session.isReady()) << session.problem();
            EXPECT_TRUE(session.waitForScreen("installed-title", [&](const Screenshot& shot) {
                return showsGreenBoard(shot) &&
                       session.font().inkCoverage(shot, promptX, messageY, prompt) >= enoughInk;
            })) << "no green board with its prompt; the game said: " << session.errorOutput();
            EXPECT_EQ(session.errorOutput(), "");
        }
        std::cout << row.way << ": the title showed "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - started).count()
                  << " ms after the start\n";
        removeTree(root);
        removeTree(elsewhere);
    }
}
