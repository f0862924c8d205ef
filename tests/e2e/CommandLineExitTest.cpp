// What the game says on the terminal. The command line is answered before any window: a bad
// option ends with the reason and the usage line on stderr and status 2; --help and --version
// print on stdout and end with status 0. Started away from its data, the game names the folders
// it tried. The game runs with a video driver that does not exist, so any attempt at a window
// shows as SDL's failure message and status 1.
#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/GameSession.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace {

struct Answer {
    std::optional<int> status;
    std::string output;
    std::string errors;
};

Answer runGame(const std::vector<std::string>& arguments, const std::string& workingDirectory = "",
               const std::string& dataFolder = "", const std::vector<std::string>& environment = {})
{
    std::string scratch = makeTempDirectory("reversi-options");
    ChildProcess::Options options;
    options.argv = {gamePath()};
    options.argv.insert(options.argv.end(), arguments.begin(), arguments.end());
    options.environment =
        environmentWithout({"SDL_VIDEODRIVER", "SDL_AUDIODRIVER", "REVERSI_DATA_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
    if (!dataFolder.empty())
        options.environment.push_back("REVERSI_DATA_DIR=" + dataFolder);
    options.workingDirectory = workingDirectory;
    options.environment.push_back("SDL_VIDEODRIVER=no-such-video-driver");
    options.environment.push_back("SDL_AUDIODRIVER=dummy");
    for (const std::string& entry : environment)
        options.environment.push_back(entry);
    options.stdoutPath = scratch + "/stdout.txt";
    options.stderrPath = scratch + "/stderr.txt";
    Answer answer;
    {
        ChildProcess game(options);
        answer.status = game.waitForExit(GameSession::defaultLimit);
    }
    answer.output = readWholeFile(scratch + "/stdout.txt");
    answer.errors = readWholeFile(scratch + "/stderr.txt");
    removeTree(scratch);
    return answer;
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST(CommandLineExit, AnswersOnTheTerminalWithoutAWindow)
{
    const Answer help = runGame({"--help"});
    ASSERT_EQ(help.status, 0);
    EXPECT_EQ(help.errors, "");
    const std::string usage = firstLine(help.output);
    EXPECT_EQ(usage.rfind("usage: reversi ", 0), 0u) << help.output;

    const Answer version = runGame({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.output, std::regex("reversi [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << version.output;
    EXPECT_EQ(version.errors, "");

    // Refused: the reason, then the usage line, and nothing else.
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--bogus"}, {"--computer", "3"}, {"--windowed=yes"},
          {"--threads", "0", "--analyze", "f5d6"}, {"--threads=many", "--analyze", "f5d6"},
          {"--threads", "257", "--analyze", "f5d6"}}) {
        SCOPED_TRACE(bad.front());
        const Answer answer = runGame(bad);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.output, "");
        const std::string reason = firstLine(answer.errors);
        EXPECT_EQ(reason.rfind("reversi: ", 0), 0u) << answer.errors;
        EXPECT_EQ(answer.errors, reason + "\n" + usage + "\n");
    }
}

TEST(CommandLineExit, NamesTheFoldersTriedWhenNoneHoldsTheData)
{
    const std::string elsewhere = makeTempDirectory("reversi-elsewhere");
    const std::string noDataLine = "reversi: the game's data/ folder is in none of " +
                                   std::filesystem::canonical(elsewhere).string() + ", ";
    const Answer lost = runGame({}, elsewhere);
    EXPECT_EQ(lost.status, 1); // no window either
    EXPECT_EQ(lost.errors.rfind(noDataLine, 0), 0u) << lost.errors;
    const std::filesystem::path installedData =
        std::filesystem::path(gamePath()).parent_path() / "../share/reversi";
    EXPECT_NE(lost.errors.find(installedData.lexically_normal().string()), std::string::npos)
        << "the install's folder, found from the executable, is not named: " << lost.errors;

    // REVERSI_DATA_DIR names the folder that holds data/.
    const Answer pointed = runGame({}, elsewhere, projectRoot());
    EXPECT_EQ(pointed.status, 1);
    EXPECT_EQ(pointed.errors.find("data/ folder"), std::string::npos) << pointed.errors;
    removeTree(elsewhere);
}

// --review reads its game before any window: a game it cannot open is one line and status 2.
TEST(CommandLineExit, ReviewOfABadGameIsOneLineBeforeAnyWindow)
{
    const std::string scratch = makeTempDirectory("reversi-review");
    ASSERT_EQ(std::filesystem::create_directories(scratch + "/data/reversi"), true);
    std::ofstream(scratch + "/data/reversi/games.ggf", std::ios::binary)
        << "(;GM[Othello]PC[reversi]DT[2026.12.08_10:07:36.UTC]PB[Joueur 1]PW[Joueur 2]TY[8]"
           "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]B[f5]W[d6];)\n";
    const std::string notGgf = scratch + "/notes.ggf";
    std::ofstream(notGgf, std::ios::binary) << "these are no games\n";
    const std::vector<std::string> homes = {"XDG_DATA_HOME=" + scratch + "/data",
                                            "XDG_CONFIG_HOME=" + scratch + "/config"};
    struct Row {
        const char* what;
        std::string game;
    };
    const std::vector<Row> rows = {
        {"a file that holds no game", notGgf},
        {"a missing file", scratch + "/missing.ggf"},
        {"an illegal transcript", "f5f5"},
        {"a game number not kept", "@7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Answer answer = runGame({"--review", row.game}, "", "", homes);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.output, "");
        EXPECT_EQ(answer.errors.rfind("reversi: ", 0), 0u) << answer.errors;
        EXPECT_EQ(std::count(answer.errors.begin(), answer.errors.end(), '\n'), 1) << answer.errors;
        EXPECT_EQ(answer.errors.find("Impossible"), std::string::npos) << "a window was tried: " << answer.errors;
    }
    // A good one goes on to the window, which this driver cannot open.
    EXPECT_EQ(runGame({"--review", "@1"}, "", "", homes).status, 1);
    removeTree(scratch);
}
