// The file of kept games against damage: whatever is in the way, appending a game either works
// or says why, never costs the games already there, and reading skips and counts what is not a
// game. Also: two writers at once never mix their lines; the tally by opponent.
#include "app/records/Ggf.h"
#include "app/records/RecordsFile.h"
#include "app/records/Tally.h"
#include "app/records/Transcript.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string gameLine(const char* transcript, const char* black = "Joueur 1", const char* white = "Joueur 2")
{
    const records::Replay played = records::readTranscript(transcript);
    records::GameRecord game;
    game.date = records::recordDate(0);
    game.black = black;
    game.white = white;
    game.turns = played.turns;
    game.finished = played.isOver();
    game.result = game.finished ? played.blackResult() : 0;
    return records::ggfLine(game);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class RecordsFileTest : public testing::Test {
protected:
    void SetUp() override { m_folder = makeTempDirectory("reversi-records"); }
    void TearDown() override
    {
        chmod((m_folder + "/reversi").c_str(), 0700);
        removeTree(m_folder);
    }
    std::string m_folder;
};

TEST_F(RecordsFileTest, DamageNeverStopsAGameNorCostsTheGamesBefore)
{
    const bool root = geteuid() == 0; // permissions do not hold for root
    const std::string good = gameLine("f5d6c3") + "\n";
    struct Row {
        const char* what;
        std::function<void(const std::string& path)> damage;
        bool appends;
        std::size_t games; // read back after the append
        std::size_t skipped;
    };
    const std::vector<Row> rows = {
        {"no file yet", [](const std::string&) {}, true, 1, 0},
        {"a line cut short by a crash", [&](const std::string& p) { writeFile(p, good + good.substr(0, 40)); }, true, 2, 1},
        {"a foreign line", [&](const std::string& p) { writeFile(p, "notes: bring the board\n" + good); }, true, 2, 1},
        {"blank lines", [&](const std::string& p) { writeFile(p, "\n\n" + good + "\n"); }, true, 2, 0},
        {"binary bytes",
         [&](const std::string& p) {
             std::string bytes(4096, '\0');
             for (std::size_t i = 0; i < bytes.size(); ++i)
                 bytes[i] = char((i * 37 + 11) % 256 == '\n' ? 0 : (i * 37 + 11) % 256);
             writeFile(p, good + bytes + "\n" + good);
         },
         true, 3, 1},
        {"a 100 MB line", [&](const std::string& p) { writeFile(p, good + std::string(100 << 20, 'x') + "\n" + good); }, true,
         3, 1},
        {"a game whose moves do not replay",
         [&](const std::string& p) { writeFile(p, std::string(good).replace(good.find("B[c3]"), 5, "B[a1]")); }, true, 1, 1},
        {"a folder in its place", [](const std::string& p) { mkdir(p.c_str(), 0700); }, false, 0, 0},
        {"a FIFO in its place", [](const std::string& p) { mkfifo(p.c_str(), 0600); }, false, 0, 0},
        {"a file without permission", [&](const std::string& p) { writeFile(p, good); chmod(p.c_str(), 0); }, root,
         root ? 2u : 0u, 0},
        {"a folder without permission",
         [&](const std::string& p) {
             writeFile(p, good);
             chmod(p.substr(0, p.rfind('/')).c_str(), 0);
         },
         root, root ? 2u : 0u, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string folder = m_folder + "/reversi";
        chmod(folder.c_str(), 0700);
        removeTree(folder);
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        const std::string path = folder + "/games.ggf";
        row.damage(path);

        std::string error;
        EXPECT_EQ(records::appendLine(path, gameLine("e6f4"), error), row.appends) << error;
        if (!row.appends) {
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(error.find('\n'), std::string::npos);
        }
        const records::KeptGames kept = records::readKeptGames(path);
        EXPECT_EQ(kept.readable, row.games > 0) << kept.error;
        EXPECT_EQ(kept.games.size(), row.games);
        EXPECT_EQ(kept.skipped, row.skipped);
        if (row.appends) {
            ASSERT_FALSE(kept.games.empty());
            EXPECT_EQ(records::transcriptOf(kept.games.back().turns), "e6f4");
        }
    }
}

TEST_F(RecordsFileTest, TwoWritersAtOnceKeepWholeLines)
{
    const std::string path = m_folder + "/reversi/games.ggf";
    constexpr int Writers = 2;
    constexpr int GamesEach = 200;
    pid_t children[Writers];
    for (int w = 0; w < Writers; ++w) {
        children[w] = fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            // Long names make each line far longer than one small write would carry whole.
            const std::string line = gameLine("f5d6c3d3c4", std::string(3000, char('A' + w)).c_str());
            std::string error;
            for (int i = 0; i < GamesEach; ++i) {
                if (!records::appendLine(path, line, error))
                    _exit(1);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const records::KeptGames kept = records::readKeptGames(path);
    EXPECT_EQ(kept.games.size(), std::size_t(Writers * GamesEach));
    EXPECT_EQ(kept.skipped, 0u);
}

TEST(Tally, CountsByOpponentFromTheHumansSide)
{
    auto game = [](const char* black, const char* white, bool finished, int result) {
        records::GameRecord g;
        g.black = black;
        g.white = white;
        g.finished = finished;
        g.result = result;
        return g;
    };
    const std::vector<records::TallyRow> rows = records::tally({
        game("Joueur 1", "Joueur 2", true, 12),             // player one wins
        game("Joueur 1", "Joueur 2", true, 0),              // a draw
        game("Joueur 1", "Joueur 2", false, 0),             // left
        game("Ordinateur niveau 3", "Joueur 2", true, -4),  // the human, White, wins
        game("Joueur 1", "Ordinateur niveau 3", true, -64), // the human, Black, loses
        game("Ordinateur niveau 1", "Ordinateur niveau 2", true, 2), // no human: not counted
    });
    ASSERT_EQ(rows.size(), 2u);
    const int expected[2][6] = {{0, 3, 1, 1, 0, 1}, {3, 2, 1, 0, 1, 0}}; // level, played, won, drawn, lost, left
    for (int i = 0; i < 2; ++i) {
        const records::TallyRow& r = rows[std::size_t(i)];
        EXPECT_EQ((std::vector<int>{r.computerLevel, r.played, r.won, r.drawn, r.lost, r.unfinished}),
                  std::vector<int>(expected[i], expected[i] + 6));
    }
}

} // namespace
