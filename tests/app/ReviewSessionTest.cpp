// The game under review: each turn's position on the Board (a pass a turn of its own), the top
// line of each, the verdicts as the background analysis gives them, the board put back, and what
// a match needs to play on from a position.
#include "app/ReviewSession.h"
#include "app/opponent/BoardPosition.h"
#include "app/records/Transcript.h"
#include "tests/app/records/PublishedGames.h"
#include "rules/Board.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// a1 and a3 dark, b1 and b3 light, Black to move: c1 (c3 was the other move), then White has no
// move and passes, then c3 takes the last light disc.
records::Replay gameWithAPass()
{
    engine::Position start;
    start.player = (engine::Bits(1) << 0) | (engine::Bits(1) << 16);
    start.opponent = (engine::Bits(1) << 1) | (engine::Bits(1) << 17);
    return records::replay(start, true, {{true, 2}, {false, records::Pass}, {true, 18}}, false);
}

// The Board's squares a1, b1, c1, a3, b3, c3 as "X", "O" or "-".
std::string firstSquares()
{
    std::string shown;
    for (const int square : {0, 1, 2, 16, 17, 18}) {
        const CellPos cell = cellOf(square);
        const Cell value = Board::instance()->cellValue(cell.x, cell.y);
        shown += value == Black ? 'X' : value == White ? 'O' : '-';
    }
    return shown;
}

TEST(ReviewSession, StepsOverAPassAndPutsTheBoardBack)
{
    const records::Replay game = gameWithAPass();
    ASSERT_TRUE(game.ok) << game.error;
    Board::instance()->reset();
    ReviewSession review;
    review.open(game, ReviewNames{"Joueur 1", "Joueur 2"}, 1);
    ASSERT_EQ(review.turnCount(), 3);

    struct Row {
        int turn;
        std::string squares;
        std::string line;
    };
    const std::vector<Row> rows = {
        {3, "XXXXXX", "Coup 3 : Joueur 1 a jou\xE9 c3"},
        {0, "XO-XO-", "D\xE9" "but de partie"},
        {1, "XXXXO-", "Coup 1 : Joueur 1 a jou\xE9 c1"},
        {2, "XXXXO-", "Coup 2 : Joueur 2 passe"},
        {3, "XXXXXX", "Coup 3 : Joueur 1 a jou\xE9 c3"},
    };
    std::string line;
    for (const Row& row : rows) {
        review.showTurn(row.turn);
        EXPECT_EQ(firstSquares(), row.squares) << row.turn;
        EXPECT_EQ(review.moveLine(row.turn, line), row.line) << row.turn;
    }

    // Two moves at level 1: the analysis ends in well under the limit.
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (review.verdictLine(0, line).rfind("Analyse", 0) == 0 && std::chrono::steady_clock::now() < limit) {
        review.poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // c1 or c3 at first (either may be the engine's); c3 at the end was the only move.
    EXPECT_EQ(review.verdictLine(1, line).rfind("Meilleur", 0), 0u) << line;
    EXPECT_EQ(review.verdictLine(3, line).rfind("Meilleur coup jou\xE9 (", 0), 0u) << line;
    EXPECT_EQ(review.verdictLine(2, line), "");
    EXPECT_EQ(review.verdictLine(0, line), "");

    // The graph: one column a position, the pass's the same as the move's before it, the end the
    // game's result (Black has every disc: 4 of them and the 60 empty squares).
    graph::Strip strip;
    review.fillGraph(2, strip);
    EXPECT_EQ(strip.positions, 4);
    EXPECT_EQ(strip.current, 2);
    ASSERT_EQ(strip.blackValues.size(), 4u);
    EXPECT_EQ(strip.blackValues[2], strip.blackValues[1]);
    EXPECT_EQ(strip.blackValues[3], 64);
    EXPECT_EQ(strip.mistakes, (std::vector<bool>{false, false, false, false}));

    review.close();
    EXPECT_FALSE(review.isOpen());
    EXPECT_EQ(firstSquares(), "------");
    EXPECT_EQ(Board::instance()->count(Black), 2);
    EXPECT_EQ(Board::instance()->count(White), 2);
}

TEST(ReviewSession, ClosingMidAnalysisStopsIt)
{
    // A whole game at the strongest level: far from done when it is closed.
    const records::Replay game = records::readTranscript(
        "e6f4e3d6c5f3c4f6f5g4c7d3e7c3g6b4g5b6a5c6b5d7e8f7h3f8d8h4h5c8a3a4g3a6a7b7f2f1c2e2d2b3e1c1g1h7a2g7h6d1b1");
    ASSERT_TRUE(game.ok) << game.error;
    Board::instance()->reset();
    for (const bool started : {false, true}) {
        ReviewSession review;
        review.open(game, ReviewNames{"Joueur 1", "Joueur 2"}, 5);
        std::string line;
        // Closed at once (the work may not have begun), or once the first moves are looked at
        // (from the last one back: the first move is the last to get its verdict).
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (started && review.verdictLine(1, line) == "Analyse..." && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (started) {
            // The graph first: what it lacks then is still lacking when the line is read.
            graph::Strip strip;
            const int last = review.turnCount();
            review.fillGraph(last, strip);
            ASSERT_EQ(strip.known.size(), std::size_t(last) + 1);
            EXPECT_FALSE(strip.known[0]);
            EXPECT_TRUE(strip.known[std::size_t(last)]);
            EXPECT_EQ(review.verdictLine(1, line).rfind("Analyse ", 0), 0u) << line;
            // The last move's verdict is in before the analysis counts it.
            EXPECT_EQ(review.verdictLine(last, line).rfind("Meilleur", 0), 0u) << line;
        }
        review.close(); // must neither hang nor leave a worker behind
        EXPECT_FALSE(review.isOpen());
        EXPECT_EQ(Board::instance()->count(Black), 2);
    }
}

TEST(ReviewSession, PlaysOnWithTheGamesSides)
{
    const records::Replay threeMoves = records::readTranscript("f5d6c5");
    const records::Replay finished = records::readTranscript(published::DrawTranscript);
    ASSERT_TRUE(threeMoves.ok) << threeMoves.error;
    ASSERT_TRUE(finished.ok) << finished.error;
    ASSERT_TRUE(finished.isOver());
    const int end = int(finished.turns.size());
    struct Row {
        const char* what;
        records::Replay game;
        ReviewNames names;
        int turn;
        bool possible;
        std::int32_t computerSide;
        int level;
    };
    const std::vector<Row> rows = {
        {"two players (another program's names)", threeMoves, {"me", "Ordinateur"}, 2, true, 0, 1},
        {"the computer on White", threeMoves, {"Joueur 1", "Ordinateur niveau 4"}, 3, true, 2, 4},
        {"the computer on Black", threeMoves, {"Ordinateur niveau 2", "Joueur 2"}, 0, true, 1, 2},
        {"a level beyond ours is our strongest", threeMoves, {"Joueur 1", "Ordinateur niveau 9"}, 1, true, 2, 5},
        {"at its end: nothing to play", finished, {"Joueur 1", "Joueur 2"}, end, false, 0, 0},
        {"a game from another start", gameWithAPass(), {"Joueur 1", "Joueur 2"}, 1, false, 0, 0},
    };
    Board::instance()->reset();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ReviewSession review;
        review.open(row.game, row.names, 1);
        PlayOn playOn;
        EXPECT_EQ(review.playOnFrom(row.turn, playOn), row.possible);
        if (!row.possible)
            continue;
        EXPECT_EQ(playOn.computerSide, row.computerSide);
        EXPECT_EQ(playOn.level, row.level);
        EXPECT_EQ(playOn.prefix.size(), std::size_t(row.turn));
    }
}

TEST(ReviewSession, NamesTheSidesAsTheRecordDoes)
{
    const TempFolder folder("reversi-review-names");
    const std::string board = "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]";
    const std::string kept = folder.path("games.ggf");
    std::ofstream(kept, std::ios::binary)
        << "(;GM[Othello]PC[reversi]DT[2026.12.08_10:07:36.UTC]PB[Joueur 1]PW[Joueur 2]TY[8]" << board << "B[f5];)\n"
        << "(;GM[Othello]PC[reversi]DT[2026.12.08_10:09:00.UTC]PB[Ordinateur niveau 3]PW[Joueur 2]TY[8]" << board
        << "B[f5]W[d6];)\n";
    const std::string foreign = folder.path("other.ggf");
    std::ofstream(foreign, std::ios::binary)
        << "(;GM[Othello]PC[NBoard]PB[me]PW[A name much longer than the top line has room for]TY[8]" << board
        << "B[f5];)\n(;GM[Othello]PC[NBoard]PB[]PW[you]TY[8]" << board << "B[f5];)\n";
    struct Row {
        std::string argument;
        std::string black;
        std::string white;
    };
    const std::vector<Row> rows = {
        {"f5d6", "Joueur 1", "Joueur 2"},
        {"@", "Ordinateur niveau 3", "Joueur 2"},
        {"@1", "Joueur 1", "Joueur 2"},
        {"@9", "Joueur 1", "Joueur 2"},
        {foreign, "me", "A name much longer than "},
        {foreign + "@2", "Joueur 1", "you"},
        {folder.path("missing.ggf"), "Joueur 1", "Joueur 2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argument);
        const ReviewNames names = reviewNamesOf(row.argument, kept);
        EXPECT_EQ(names.black, row.black);
        EXPECT_EQ(names.white, row.white);
    }
}

} // namespace
