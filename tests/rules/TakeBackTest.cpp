// Taking moves back through the match: the board, scores, turn and history afterwards are those
// of the shorter game played from the start.
#include "rules/Board.h"
#include "rules/Match.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Twelve moves from the start after which Black has no move and passes, White to move again.
const std::vector<CellPos> GameWithAPass = {{3, 5}, {3, 6}, {3, 7}, {2, 7}, {1, 7}, {5, 6},
                                            {6, 5}, {1, 8}, {4, 3}, {4, 7}, {3, 8}, {1, 6}};

std::vector<CellPos> firstMoves(std::size_t count)
{
    return std::vector<CellPos>(GameWithAPass.begin(), GameWithAPass.begin() + long(count));
}

struct Played {
    boardsetup::Snapshot cells;
    std::uint8_t scoreOne;
    std::uint8_t scoreTwo;
    std::int32_t turn;
    std::vector<std::string> history;
};

class TakeBack : public testing::Test {
protected:
    void TearDown() override { Match::destroyInstance(); }

    // A new match of two keyboard players with `moves` played, each submitted and stepped.
    static void play(const std::vector<CellPos>& moves)
    {
        Match& match = *Match::instance();
        match.start(std::make_unique<HumanPlayer>(1, "Joueur 1"), std::make_unique<HumanPlayer>(2, "Joueur 2"));
        for (CellPos move : moves) {
            match.submitMove(move);
            match.step();
        }
    }

    static Played seen()
    {
        const Match& match = *Match::instance();
        Played now{boardsetup::snapshot(), match.player(1)->score(), match.player(2)->score(), match.turn(), {}};
        for (const PlayedTurn& turn : match.history())
            now.history.push_back(std::to_string(turn.side) +
                                  (turn.pass ? " pass" : " " + std::to_string(turn.pos.x) + "," + std::to_string(turn.pos.y)));
        return now;
    }
};

struct TakeBackRow {
    const char* what;
    std::size_t played;   // moves of GameWithAPass played first
    std::int32_t side;    // whose last move goes (0: the last move, whoever played it)
    bool takesBack;
    std::size_t kept;     // moves of the shorter game
};

TEST_F(TakeBack, LeavesExactlyTheShorterGame)
{
    const std::vector<TakeBackRow> rows = {
        {"at the start nothing happens", 0, 0, false, 0},
        {"the first move", 1, 0, true, 0},
        {"a plain move of White", 4, 0, true, 3},
        {"a plain move of Black", 5, 0, true, 4},
        {"White's move and Black's pass after it", 12, 0, true, 11},
        {"against the computer: the computer's reply and the player's move", 6, 1, true, 4},
        {"against the computer, over Black's pass", 12, 1, true, 10},
        {"against the computer before the player's first move", 1, 2, false, 1},
    };
    for (const TakeBackRow& row : rows) {
        SCOPED_TRACE(row.what);
        play(firstMoves(row.kept));
        const Played expected = seen();
        play(firstMoves(row.played));
        EXPECT_EQ(Match::instance()->takeBack(row.side), row.takesBack);
        const Played after = seen();
        EXPECT_EQ(after.cells, expected.cells);
        EXPECT_EQ(after.scoreOne, expected.scoreOne);
        EXPECT_EQ(after.scoreTwo, expected.scoreTwo);
        EXPECT_EQ(after.turn, expected.turn);
        EXPECT_EQ(after.history, expected.history);
    }
}

TEST_F(TakeBack, ASquareHandedOverBeforeItIsNeverPlayed)
{
    play(firstMoves(2));
    Match& match = *Match::instance();
    match.submitMove(GameWithAPass[2]); // Black's square, handed over but not yet stepped
    ASSERT_TRUE(match.takeBack());      // White's move goes: White to move again
    match.submitMove(GameWithAPass[1]);
    match.step();
    ASSERT_EQ(match.turn(), 1);
    match.step(); // Black's old square must not land now
    EXPECT_EQ(match.turn(), 1);
    EXPECT_EQ(match.history().size(), 2u);
}

} // namespace
