// The command line, as a table: what each line asks for, or why it is refused.
#include "app/cli/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace cli;

using Action = GameOptions::Action;

struct Case {
    std::vector<const char*> args; // after the program name
    bool ok;
    Action action;
    int computerSide;
    int level;
    bool windowed;
    std::string position;
    bool showLine = false;
    int threads = 0;
};

const std::string Start = "---------------------------OX------XO--------------------------- X";
const std::string SolveStart = "--solve=" + Start;

TEST(CommandLine, ReadsEveryOptionAndRefusesWhatItCannotUse)
{
    const Case cases[] = {
        {{}, true, Action::Play, 0, 3, false, ""},
        {{"--windowed"}, true, Action::Play, 0, 3, true, ""},
        {{"--computer", "2"}, true, Action::Play, 2, 3, false, ""},
        {{"--computer=1", "--level=5", "--windowed"}, true, Action::Play, 1, 5, true, ""},
        {{"--level", "1", "--computer", "2"}, true, Action::Play, 2, 1, false, ""},
        {{"--solve", Start.c_str()}, true, Action::Solve, 0, 3, false, Start},
        {{"--move", Start.c_str(), "--level", "4"}, true, Action::Move, 0, 4, false, Start},
        {{"--move", "anything"}, true, Action::Move, 0, 3, false, "anything"}, // checked later
        {{"--solve", Start.c_str(), "--pv"}, true, Action::Solve, 0, 3, false, Start, true},
        {{"--pv", SolveStart.c_str()}, true, Action::Solve, 0, 3, false, Start, true},
        {{"--version"}, true, Action::Version, 0, 3, false, ""},
        {{"--bogus", "--help"}, false, Action::Play, 0, 3, false, ""},
        {{"--help", "--bogus"}, true, Action::Help, 0, 3, false, ""},
        {{"-h"}, true, Action::Help, 0, 3, false, ""},
        // Refused: unknown, missing or bad values, and options that do not go together.
        {{"--bogus"}, false, Action::Play, 0, 3, false, ""},
        {{"extra"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "3"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "0"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "-1"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "2", "--level", "6"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "2", "--level", "0"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "2", "--level", "2x"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "2", "--level", "99999999999"}, false, Action::Play, 0, 3, false, ""},
        {{"--computer", "2", "--level="}, false, Action::Play, 0, 3, false, ""},
        {{"--level", "3"}, false, Action::Play, 0, 3, false, ""},
        {{"--windowed=yes"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--level", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--move", Start.c_str()}, false, Action::Play, 0, 3, false, ""},
        {{"--move", Start.c_str(), "--computer", "1"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--windowed"}, false, Action::Play, 0, 3, false, ""},
        {{"--pv"}, false, Action::Play, 0, 3, false, ""},
        {{"--move", Start.c_str(), "--pv"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--pv=yes"}, false, Action::Play, 0, 3, false, ""},
        {{"--games"}, true, Action::Games, 0, 3, false, ""},
        {{"--stats"}, true, Action::Stats, 0, 3, false, ""},
        {{"--analyze", "f5d6", "--level", "2"}, true, Action::Analyze, 0, 2, false, ""},
        {{"--analyze"}, false, Action::Play, 0, 3, false, ""},
        {{"--games", "--level", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--games", "--stats"}, false, Action::Play, 0, 3, false, ""},
        {{"--analyze", "@", "--computer", "1"}, false, Action::Play, 0, 3, false, ""},
        {{"--drills"}, true, Action::Drills, 0, 3, false, ""},
        {{"--drills", "--level", "4"}, false, Action::Play, 0, 3, false, ""},
        {{"--drills", "--stats"}, false, Action::Play, 0, 3, false, ""},
        {{"--drills", "--windowed"}, false, Action::Play, 0, 3, false, ""},
        // The engine for other programs: GTP at a level, NBoard's protocol at NBoard's depth.
        {{"--gtp"}, true, Action::Gtp, 0, 3, false, ""},
        {{"--gtp", "--level", "5"}, true, Action::Gtp, 0, 5, false, ""},
        {{"--nboard"}, true, Action::Nboard, 0, 3, false, ""},
        {{"--gtp", "--level", "9"}, false, Action::Play, 0, 3, false, ""},
        {{"--gtp=yes"}, false, Action::Play, 0, 3, false, ""},
        {{"--gtp", "--nboard"}, false, Action::Play, 0, 3, false, ""},
        {{"--gtp", "--computer", "1"}, false, Action::Play, 0, 3, false, ""},
        {{"--nboard", "--windowed"}, false, Action::Play, 0, 3, false, ""},
        {{"--nboard", "--level", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--gtp", "--solve", Start.c_str()}, false, Action::Play, 0, 3, false, ""},
        {{"--gtp", "--pv"}, false, Action::Play, 0, 3, false, ""},
        // --threads: a number from 1 to 256, for the commands that search.
        {{"--solve", Start.c_str(), "--threads", "2"}, true, Action::Solve, 0, 3, false, Start, false, 2},
        {{"--threads=256", SolveStart.c_str()}, true, Action::Solve, 0, 3, false, Start, false, 256},
        {{"--analyze", "f5d6", "--threads=1"}, true, Action::Analyze, 0, 3, false, "", false, 1},
        {{"--solve", Start.c_str(), "--threads", "0"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads", "two"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads", "2x"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads", "-2"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads", "257"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads", "99999999999"}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads="}, false, Action::Play, 0, 3, false, ""},
        {{"--solve", Start.c_str(), "--threads"}, false, Action::Play, 0, 3, false, ""},
        {{"--threads", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--move", Start.c_str(), "--threads", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--drills", "--threads", "2"}, true, Action::Drills, 0, 3, false, "", false, 2},
        {{"--gtp", "--level", "4", "--threads", "2"}, true, Action::Gtp, 0, 4, false, "", false, 2},
        {{"--nboard", "--threads=1"}, true, Action::Nboard, 0, 3, false, "", false, 1},
        {{"--games", "--threads", "2"}, false, Action::Play, 0, 3, false, ""},
        {{"--review", "f5", "--threads", "2"}, false, Action::Play, 0, 3, false, ""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"reversi"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string line;
        for (const char* arg : c.args)
            line += std::string(arg) + " ";
        SCOPED_TRACE(line);
        const ParsedCommandLine parsed = parseCommandLine(int(argv.size()), argv.data());
        EXPECT_EQ(parsed.ok, c.ok) << parsed.error;
        if (!c.ok) {
            EXPECT_FALSE(parsed.error.empty());
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << "one line";
            continue;
        }
        EXPECT_EQ(parsed.options.action, c.action);
        EXPECT_EQ(parsed.options.computerSide, c.computerSide);
        EXPECT_EQ(parsed.options.level, c.level);
        EXPECT_EQ(parsed.options.windowed, c.windowed);
        EXPECT_EQ(parsed.options.position, c.position);
        EXPECT_EQ(parsed.options.showLine, c.showLine);
        EXPECT_EQ(parsed.options.threads, c.threads);
    }
}

TEST(CommandLine, ReviewTakesAGameAndTheWindowsOptions)
{
    struct Row {
        std::vector<const char*> args;
        bool ok;
        std::string game;
        bool windowed;
        int level;
        bool levelGiven;
    };
    const std::vector<Row> rows = {
        {{"--review", "@"}, true, "@", false, 3, false},
        {{"--review=games.ggf@2", "--windowed"}, true, "games.ggf@2", true, 3, false},
        {{"--windowed", "--review", "f5d6", "--level", "5"}, true, "f5d6", true, 5, true},
        {{"--review"}, false, "", false, 3, false},
        {{"--review", "@", "--computer", "2"}, false, "", false, 3, false},
        {{"--review", "@", "--analyze", "@"}, false, "", false, 3, false},
        {{"--games", "--review", "@"}, false, "", false, 3, false},
        {{"--review", "@", "--pv"}, false, "", false, 3, false},
    };
    for (const Row& row : rows) {
        std::vector<const char*> argv{"reversi"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        SCOPED_TRACE(row.args.size() > 1 ? row.args[1] : row.args[0]);
        const ParsedCommandLine parsed = parseCommandLine(int(argv.size()), argv.data());
        ASSERT_EQ(parsed.ok, row.ok) << parsed.error;
        if (!row.ok) {
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << "one line";
            continue;
        }
        EXPECT_EQ(parsed.options.action, Action::Review);
        EXPECT_EQ(parsed.options.game, row.game);
        EXPECT_EQ(parsed.options.windowed, row.windowed);
        EXPECT_EQ(parsed.options.level, row.level);
        EXPECT_EQ(parsed.options.levelGiven, row.levelGiven);
    }
}

TEST(CommandLine, HelpNamesEveryOptionAndUsageIsOneLine)
{
    const std::string help = helpText();
    for (const char* option : {"--windowed", "--computer", "--level", "--solve", "--move", "--games", "--analyze",
                               "--stats", "--drills", "--gtp", "--nboard", "--help", "--version", "--threads"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
        EXPECT_NE(usageLine().find(option), std::string::npos) << option;
    }
    EXPECT_EQ(usageLine().find('\n'), std::string::npos);
    EXPECT_EQ(versionLine().rfind("reversi ", 0), 0u);
}

} // namespace
