// --drills and --stats over kept games: the same list twice, the second time without looking a
// game over again; hostile verdict and schedule files cost one line and no kept game; the discs
// lost per move by phase and by tenth of the games against the computer.
#include "app/drills/DrillsCommand.h"
#include "app/drills/Exercises.h"
#include "app/drills/Phases.h"
#include "app/drills/Schedule.h"
#include "app/records/Ggf.h"
#include "app/records/Transcript.h"
#include "engine/Levels.h"
#include "tests/app/drills/LateGames.h"
#include "tests/app/records/PublishedGames.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using lategames::Plays;

constexpr long long Day = 20796;

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class DrillsCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_files.records = m_folder.path("games.ggf");
        m_files.cache = m_folder.path("verdicts.cache");
        m_files.schedule = m_folder.path("drills.schedule");
        static const std::string games = [] {
            return records::ggfLine(lategames::lateGame("Joueur 1", "Ordinateur niveau 3", Plays::Worst, Plays::Best).record) +
                   "\n" +
                   records::ggfLine(lategames::lateGame("Ordinateur niveau 2", "Joueur 1", Plays::Best, Plays::Worst, 12).record) +
                   "\n";
        }();
        writeFile(m_files.records, games);
    }
    void TearDown() override { chmod(m_files.cache.c_str(), 0600), chmod(m_files.schedule.c_str(), 0600); }

    TempFolder m_folder{"reversi-drills"};
    drills::DrillFiles m_files;
};

TEST_F(DrillsCommandTest, TwiceTheSameListAndTheSecondLooksOverNothing)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const cli::AnalysisOutcome first = drills::listDrills(m_files, Day, nullptr);
    const Clock::time_point between = Clock::now();
    ASSERT_EQ(first.status, 0);
    EXPECT_TRUE(first.errors.empty()) << first.errors.front();
    const std::string cache = fileBytes(m_files.cache);
    ASSERT_FALSE(cache.empty());
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(m_files.cache);

    int judged = 0;
    const cli::AnalysisOutcome second = drills::listDrills(m_files, Day, [&](const std::string&) { ++judged; });
    const Clock::time_point end = Clock::now();
    EXPECT_EQ(second.output, first.output);
    EXPECT_EQ(judged, 0) << "no progress: no game looked over";
    EXPECT_EQ(fileBytes(m_files.cache), cache);
    EXPECT_TRUE(std::filesystem::last_write_time(m_files.cache) == written) << "the cache is not written again";
    // A header, then one line per exercise, each due now, its position as --solve takes it.
    std::istringstream lines(first.output);
    std::string line;
    std::getline(lines, line);
    EXPECT_NE(line.find("played  best"), std::string::npos) << line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(line.rfind(std::string(3, ' ') + std::to_string(count) + "  ", 0), 0u) << line;
        EXPECT_EQ(line.substr(line.size() - 3), "now") << line;
    }
    EXPECT_GE(count, 4);
    RecordProperty("first_ms", int(std::chrono::duration<double, std::milli>(between - start).count()));
    RecordProperty("second_ms", int(std::chrono::duration<double, std::milli>(end - between).count()));

    // Answered right today, an exercise is due tomorrow.
    drills::Schedule schedule;
    const drills::Collected collected = drills::collectExercises(records::readKeptGames(m_files.records).games,
                                                                 m_files.cache, nullptr);
    ASSERT_EQ(collected.analysed, 0);
    schedule.answer(collected.exercises[1].position, true, Day);
    std::string error;
    ASSERT_TRUE(schedule.write(m_files.schedule, error)) << error;
    const cli::AnalysisOutcome third = drills::listDrills(m_files, Day, nullptr);
    std::istringstream again(third.output);
    std::getline(again, line);
    std::getline(again, line);
    EXPECT_EQ(line.substr(line.size() - 3), "now");
    std::getline(again, line);
    EXPECT_EQ(line.substr(line.size() - 10), drills::dayText(Day + 1)) << line;
}

TEST_F(DrillsCommandTest, HostileFilesCostOneLineAndNoGame)
{
    const cli::AnalysisOutcome clean = drills::listDrills(m_files, Day, nullptr);
    ASSERT_EQ(clean.status, 0);
    const std::string goodCache = fileBytes(m_files.cache);
    const std::string games = fileBytes(m_files.records);
    drills::Schedule schedule;
    schedule.answer("---------------------------OX------XO--------------------------- X", true, Day);
    std::string error;
    ASSERT_TRUE(schedule.write(m_files.schedule, error));
    const std::string goodSchedule = fileBytes(m_files.schedule);
    std::filesystem::remove(m_files.schedule);

    const bool root = geteuid() == 0; // permissions do not hold for root
    using Damage = std::function<void(const std::string& path, const std::string& good)>;
    struct Row {
        const char* what;
        bool schedule; // else the cache
        Damage damage;
        bool rewritten; // the next run finds the file good again
    };
    const Damage binary = [](const std::string& path, const std::string&) { writeFile(path, std::string("\0\xff\x01\x89PNG\r\n", 9)); };
    const Damage folder = [](const std::string& path, const std::string&) { std::filesystem::remove(path), std::filesystem::create_directory(path); };
    const Damage unreadable = [](const std::string& path, const std::string& good) { writeFile(path, good); chmod(path.c_str(), 0); };
    const Row rows[] = {
        {"cut cache", false, [](const std::string& path, const std::string& good) { writeFile(path, good.substr(0, good.size() / 2)); }, true},
        {"binary cache", false, binary, true},
        {"foreign cache", false, [](const std::string& path, const std::string&) { writeFile(path, "[settings]\nsound=on\n"); }, true},
        {"a folder for the cache", false, folder, false},
        {"unreadable cache", false, unreadable, false},
        {"cut schedule", true, [](const std::string& path, const std::string& good) { writeFile(path, good.substr(0, good.size() - 5)); }, false},
        {"binary schedule", true, binary, false},
        {"foreign schedule", true, [](const std::string& path, const std::string&) { writeFile(path, "reversi schedule 1\n9 x y\n"); }, false},
        {"a folder for the schedule", true, folder, false},
        {"unreadable schedule", true, unreadable, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string& path = row.schedule ? m_files.schedule : m_files.cache;
        if (root && std::string(row.what).rfind("unreadable", 0) == 0)
            continue;
        row.damage(path, row.schedule ? goodSchedule : goodCache);
        const cli::AnalysisOutcome outcome = drills::listDrills(m_files, Day, nullptr);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.output, clean.output) << "the exercises all there, all due";
        ASSERT_EQ(outcome.errors.size(), 1u);
        EXPECT_NE(outcome.errors[0].find(path), std::string::npos) << outcome.errors[0];
        EXPECT_EQ(fileBytes(m_files.records), games);
        if (row.rewritten) {
            EXPECT_EQ(fileBytes(path), goodCache);
        }
        chmod(path.c_str(), 0600);
        std::filesystem::remove_all(path);
        if (!row.schedule)
            writeFile(path, goodCache);
    }
}

TEST(DrillPhases, DiscsLostPerMoveByPhaseForEachTenth)
{
    // Twelve games against the computer from the start, and a game between two people that counts
    // nowhere; their verdicts made up: Joueur 1's move n (1 to 60) costs n % 3 discs in game g's
    // opening, g in its middle and 0 at its end.
    const records::Replay draw = records::readTranscript(published::DrawTranscript);
    ASSERT_TRUE(draw.ok);
    std::vector<records::GameRecord> games;
    drills::VerdictMap verdicts;
    const engine::SearchLimits limits = engine::analysisLimits(drills::DrillLevel);
    for (int g = 0; g < 13; ++g) {
        records::GameRecord game;
        game.black = g == 6 ? "Joueur 2" : g % 2 ? "Ordinateur niveau 3" : "Joueur 1";
        game.white = g % 2 || g == 6 ? "Joueur 1" : "Ordinateur niveau 3";
        game.turns = draw.turns;
        game.turns.resize(std::size_t(40 + g)); // each game its own key
        games.push_back(game);
        drills::GameVerdicts& judged = verdicts[drills::gameKey(game, limits)];
        for (std::size_t i = 0; i < game.turns.size(); ++i) {
            const bool human = game.turns[i].black == (g % 2 == 0);
            if (game.turns[i].square == records::Pass || !human)
                continue;
            const int number = 61 - draw.positions[i].empties();
            judged.moves.push_back({int(i), game.turns[i].square, number <= 20 ? number % 3 : number <= 40 ? g : 0, {}});
        }
    }
    const std::vector<drills::PhaseRow> rows = drills::phaseRows(games, verdicts);
    ASSERT_EQ(rows.size(), 10u);
    // Twelve games in ten tenths: the fifth and the tenth hold two each (12 * t / 10).
    const int firsts[] = {1, 2, 3, 4, 5, 8, 9, 10, 11, 12};
    const int lasts[] = {1, 2, 3, 4, 6, 8, 9, 10, 11, 13};
    for (std::size_t t = 0; t < rows.size(); ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(rows[t].firstGame, firsts[t]);
        EXPECT_EQ(rows[t].lastGame, lasts[t]);
        for (int phase = 0; phase < drills::Phases; ++phase)
            EXPECT_TRUE(rows[t].has(phase) || phase == 2);
        EXPECT_EQ(rows[t].moves[0], 10 * (rows[t].lastGame == rows[t].firstGame ? 1 : 2));
        EXPECT_DOUBLE_EQ(rows[t].average(2), 0.0);
    }
    // Game 1 (index 0: Joueur 1 Black, moves 1, 3, ..., 19): costs 1 0 2 1 0 2 1 0 2 1, then 0 in
    // the middle; game 4 (index 3: Joueur 1 White, 2, 4, ..., 20): 2 1 0 2 1 0 2 1 0 2, then 3.
    EXPECT_DOUBLE_EQ(rows[0].average(0), 1.0);
    EXPECT_DOUBLE_EQ(rows[0].average(1), 0.0);
    EXPECT_DOUBLE_EQ(rows[3].average(0), 1.1);
    EXPECT_DOUBLE_EQ(rows[3].average(1), 3.0);
    // The tenth of games 5 and 6 (indices 4 and 5, the two people's game 7 between them and left out).
    EXPECT_EQ(rows[4].moves[1], 20);
    EXPECT_DOUBLE_EQ(rows[4].average(1), 4.5);
}

} // namespace
