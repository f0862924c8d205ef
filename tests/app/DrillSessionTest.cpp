// The exercises on the Board: the kept game's mistake set up once the games are looked over, an
// illegal square ignored, the answer played and judged, the schedule written after it, the line
// that says when the next one is due, and the board put back; hostile verdict and schedule files
// cost one line and nothing else; a close while the games are looked over stops the look.
#include "app/DrillSession.h"
#include "app/opponent/BoardPosition.h"
#include "app/records/Ggf.h"
#include "app/records/Transcript.h"
#include "app/screens/DrillTexts.h"
#include "engine/PositionText.h"
#include "rules/Board.h"
#include "tests/app/records/PublishedGames.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <thread>

namespace {

// "Joueur 1" against the computer from ten empty squares: Black's b1 loses 14 discs against h8.
constexpr const char* KeptGame =
    "(;GM[Othello]PC[reversi]DT[2026.12.08_10:00:00.UTC]PB[Joueur 1]PW[Ordinateur niveau 3]TY[8]"
    "BO[8 --OO***- *-OOO*-- **OO*O** *O*OO*** *O**OO** *OO***** *OOO*OOO --OOOO-- *]"
    "B[b1]W[h2]B[h8]W[g8]B[h1]W[g2]B[b2]W[a1]B[b8]W[a8];)";
constexpr const char* Exercise = "--OOXXX-X-OOOX--XXOOXOXXXOXOOXXXXOXXOOXXXOOXXXXXXOOOXOOO--OOOO-- X";
constexpr long long Day = 20796;

std::string boardText()
{
    std::string shown;
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        const Cell value = Board::instance()->cellValue(cell.x, cell.y);
        shown += value == Black ? 'X' : value == White ? 'O' : '-';
    }
    return shown;
}

void waitWhileLooking(DrillSession& drills)
{
    for (int tries = 0; tries < 2000 && drills.step() == DrillSession::Step::Looking; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        drills.poll();
    }
}

class DrillSessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* before = std::getenv("XDG_DATA_HOME"))
            m_before = before;
        setenv("XDG_DATA_HOME", m_folder.root().c_str(), 1);
        std::filesystem::create_directories(m_folder.path("reversi"));
        std::ofstream(m_folder.path("reversi/games.ggf"), std::ios::binary) << KeptGame << "\n";
    }
    void TearDown() override
    {
        if (m_before)
            setenv("XDG_DATA_HOME", m_before->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

    TempFolder m_folder{"reversi-drill-session"};
    std::optional<std::string> m_before; // XDG_DATA_HOME as it was, put back after
};

TEST_F(DrillSessionTest, AsksTheMistakeJudgesTheAnswerAndKeepsIt)
{
    struct Row {
        const char* answer;
        std::string verdict;
        std::string next; // the line after the last
        long long due;    // in the schedule file
    };
    const Row rows[] = {
        {"h8", "Bien vu !", "Aucun exercice \xE0 faire, le prochain demain", Day + 1},
        {"b1", "Meilleur : h8, b1 perd 14 disques", "Aucun exercice \xE0 faire, le prochain \xE0 la prochaine s\xE9" "ance", Day},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        std::filesystem::remove(m_folder.path("reversi/drills.schedule"));
        Board::instance()->reset();
        const std::string title = boardText();
        DrillSession drills;
        drills.open(Day);
        waitWhileLooking(drills);
        ASSERT_EQ(drills.step(), DrillSession::Step::Asking);
        EXPECT_EQ(boardText(), std::string(Exercise).substr(0, 64));
        std::string line;
        EXPECT_EQ(drills.topLine(line), "Exercice 1 sur 1 : \xE0 Joueur 1 de trouver le meilleur coup");
        engine::ParsedPosition asked;
        ASSERT_TRUE(engine::parsePosition(Exercise, asked, nullptr));
        EXPECT_EQ(drills.legalMoves(), asked.position.moves());
        EXPECT_FALSE(drills.answer(engine::squareFromName("a1"))) << "no legal move there";
        EXPECT_EQ(drills.step(), DrillSession::Step::Asking);

        const int square = engine::squareFromName(row.answer);
        ASSERT_TRUE(drills.answer(square));
        EXPECT_EQ(drills.step(), DrillSession::Step::Answered);
        EXPECT_EQ(drills.answeredSquare(), square);
        EXPECT_EQ(drills.verdictLine(line), row.verdict);
        const CellPos played = cellOf(square);
        EXPECT_EQ(Board::instance()->cellValue(played.x, played.y), Black) << "the answer is played on the board";

        std::string error;
        const drills::Schedule schedule = drills::Schedule::read(m_folder.path("reversi/drills.schedule"), error);
        EXPECT_EQ(error, "");
        EXPECT_EQ(schedule.size(), 1u);
        EXPECT_EQ(schedule.entry(Exercise, Day).due, row.due);

        drills.next();
        EXPECT_EQ(drills.step(), DrillSession::Step::Finished);
        EXPECT_EQ(drills.topLine(line), row.next);
        EXPECT_EQ(drills.exerciseCount(), 1);
        EXPECT_EQ(drills.gamesAgainstComputer(), 1);
        drills.close();
        EXPECT_EQ(boardText(), title) << "the board is put back";
    }
}

TEST_F(DrillSessionTest, ClosingWhileTheGamesAreLookedOverStopsIt)
{
    // A whole published game of Joueur 1's: looking it over takes seconds, a close one move's search.
    std::ofstream(m_folder.path("reversi/games.ggf"), std::ios::binary)
        << records::ggfLine([] {
               records::GameRecord game;
               game.black = "Joueur 1";
               game.white = "Ordinateur niveau 3";
               game.turns = records::readTranscript(published::KomiTranscript).turns;
               return game;
           }())
        << "\n";
    Board::instance()->reset();
    const std::string title = boardText();
    for (const bool started : {false, true}) {
        SCOPED_TRACE(started ? "closed once the first move is judged" : "closed at once");
        DrillSession drills;
        drills.open(Day);
        std::string line;
        EXPECT_EQ(drills.topLine(line), "Analyse des parties 0/0");
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (started && drills.topLine(line) != "Analyse des parties 0/1" && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        drills.close(); // must neither hang nor leave a worker behind
        EXPECT_FALSE(drills.isOpen());
        EXPECT_EQ(boardText(), title);
        EXPECT_FALSE(std::filesystem::exists(m_folder.path("reversi/verdicts.cache"))) << "nothing half judged is kept";
    }
}

TEST_F(DrillSessionTest, HostileFilesCostOneLineAndTheExerciseIsAskedAllTheSame)
{
    struct Row {
        const char* what;
        const char* file; // in the reversi folder
        bool folder;      // a folder in its place, else binary bytes
    };
    const Row rows[] = {
        {"binary verdicts", "verdicts.cache", false},
        {"a folder for the verdicts", "verdicts.cache", true},
        {"binary schedule", "drills.schedule", false},
        {"a folder for the schedule", "drills.schedule", true},
    };
    const std::string games = m_folder.path("reversi/games.ggf");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = m_folder.path(std::string("reversi/") + row.file);
        std::filesystem::remove_all(m_folder.path("reversi/verdicts.cache"));
        std::filesystem::remove_all(m_folder.path("reversi/drills.schedule"));
        if (row.folder)
            std::filesystem::create_directory(path);
        else
            std::ofstream(path, std::ios::binary) << std::string("\0\xff\x89PNG\r\n", 7);
        std::ostringstream said;
        std::streambuf* const before = std::cerr.rdbuf(said.rdbuf());
        DrillSession drills;
        drills.open(Day);
        waitWhileLooking(drills);
        const DrillSession::Step step = drills.step();
        const bool answered = drills.answer(engine::squareFromName("h8")); // the schedule written again
        drills.close();
        std::cerr.rdbuf(before);
        const std::string lines = said.str();
        EXPECT_EQ(step, DrillSession::Step::Asking);
        EXPECT_TRUE(answered);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
        EXPECT_NE(lines.find(path), std::string::npos) << lines;
        std::ifstream kept(games, std::ios::binary);
        std::string line;
        std::getline(kept, line);
        EXPECT_EQ(line, KeptGame) << "the kept game is untouched";
    }
}

} // namespace
