// Playing moves: the writes, the returned count and the squares a move reports it wrote.
#include "rules/Board.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Square = std::pair<int, int>;

std::vector<Square> squaresOf(const WrittenSquares& written)
{
    std::vector<Square> squares;
    for (const CellPos& pos : written)
        squares.push_back({pos.x, pos.y});
    return squares;
}

class Move : public testing::Test {
protected:
    void SetUp() override { Board::instance()->reset(); }

    // Plays the move and adds the squares it reports to `m_written`.
    std::uint8_t play(std::uint8_t x, std::uint8_t y, Cell colour)
    {
        WrittenSquares written;
        const std::uint8_t flips = Board::instance()->playMove(x, y, colour, written);
        for (const Square& s : squaresOf(written))
            m_written.push_back(s);
        return flips;
    }

    std::vector<Square> m_written; // every move's reported squares, in play order
};

TEST_F(Move, OpeningMoveFlipsOneDiscWithABurstPerWrite)
{
    Board& board = *Board::instance();
    EXPECT_EQ(play(3, 5, Black), 1);
    EXPECT_EQ(board.cellValue(3, 5), Black);
    EXPECT_EQ(board.cellValue(4, 5), Black);
    EXPECT_EQ(board.count(Black), 4);
    EXPECT_EQ(board.count(White), 1);
    EXPECT_EQ(m_written, (std::vector<Square>{{3, 5}, {4, 5}}));

    // The same square again is occupied now: nothing written, the list left empty.
    const boardsetup::Snapshot after = boardsetup::snapshot();
    WrittenSquares again;
    again.count = 1; // a leftover the move must clear
    EXPECT_EQ(board.playMove(3, 5, Black, again), 0);
    EXPECT_EQ(boardsetup::snapshot(), after);
    EXPECT_TRUE(again.empty());
}

TEST_F(Move, MoveThatCapturesNothingChangesNothing)
{
    const boardsetup::Snapshot before = boardsetup::snapshot();
    const struct {
        std::uint8_t x, y;
        Cell colour;
    } illegal[] = {{1, 1, Black}, {4, 4, Black}, {3, 5, White}, {0, 5, Black}, {10, 4, White}};
    for (const auto& m : illegal) {
        SCOPED_TRACE(testing::Message() << int(m.x) << "," << int(m.y));
        EXPECT_EQ(play(m.x, m.y, m.colour), 0);
        EXPECT_EQ(boardsetup::snapshot(), before);
        EXPECT_TRUE(m_written.empty());
    }
}

TEST_F(Move, TwoDirectionCaptureWritesThePlayedSquareTwice)
{
    Board& board = *Board::instance();
    ASSERT_EQ(play(3, 5, Black), 1);
    ASSERT_EQ(play(3, 4, White), 1);
    ASSERT_EQ(board.flipCount(3, 3, Black), 2);
    EXPECT_EQ(play(3, 3, Black), 2);

    // Direction (0, +1) first, then (+1, +1); each from the played square outward.
    EXPECT_EQ(m_written, (std::vector<Square>{{3, 5}, {4, 5}, {3, 4}, {4, 4},
                                                   {3, 3}, {3, 4}, {3, 3}, {4, 4}}));
    EXPECT_EQ(board.count(Black), 6);
    EXPECT_EQ(board.count(White), 1);
    EXPECT_EQ(board.cellValue(5, 4), White);
}

TEST_F(Move, ThreeDirectionCaptureSpawnsThreeBurstsOnThePlayedSquare)
{
    boardsetup::set({".WB", "WW", "B.B"});
    EXPECT_EQ(play(1, 1, Black), 3);
    EXPECT_EQ(m_written, (std::vector<Square>{{1, 1}, {1, 2}, {1, 1}, {2, 1}, {1, 1}, {2, 2}}));
    EXPECT_EQ(Board::instance()->count(White), 0);
    EXPECT_EQ(Board::instance()->count(Black), 7);
}

TEST_F(Move, LinesEndingInWallOrGapStay)
{
    // From (5, 5): towards x = 0 the line runs into the wall, towards y = 0 into a gap, and
    // towards x = 9 it is closed by Black.
    boardsetup::set({"", "", "....W", "....W", "WWWW.WB", "", "", ""});
    Board& board = *Board::instance();
    EXPECT_EQ(play(5, 5, Black), 1);
    EXPECT_EQ(m_written, (std::vector<Square>{{5, 5}, {6, 5}}));
    EXPECT_EQ(board.cellValue(6, 5), Black);
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(board.cellValue(std::uint8_t(x), 5), White) << x;
    EXPECT_EQ(board.cellValue(5, 3), White);
    EXPECT_EQ(board.cellValue(5, 4), White);
}

TEST_F(Move, LargestMoveFillsTheWrittenList)
{
    // (4, 4) with every ray full of White up to a Black disc by the wall: 19 captured, 8 directions.
    boardsetup::set({"B..B..B.", ".W.W.W..", "..WWW...", "BWW.WWWB", "..WWW...", ".W.W.W..", "B..W..W.",
                     "...B...B"});
    EXPECT_EQ(play(4, 4, Black), 19);
    EXPECT_EQ(m_written.size(), WrittenSquares::Capacity);
    EXPECT_EQ(Board::instance()->count(White), 0);
    EXPECT_EQ(Board::instance()->count(Black), 28);
}

} // namespace
