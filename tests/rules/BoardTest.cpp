// The board's start position and the move scan (flipCount, hasLegalMove, legalMoves): nothing
// here writes the board through a move.
#include "rules/Board.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Square = std::pair<int, int>;

// Squares where `colour` has a legal move, with the discs each would flip.
std::set<std::pair<Square, int>> legalMoves(Cell colour)
{
    std::set<std::pair<Square, int>> moves;
    for (std::uint8_t x = 1; x <= 8; ++x) {
        for (std::uint8_t y = 1; y <= 8; ++y) {
            if (int n = Board::instance()->flipCount(x, y, colour))
                moves.insert({{x, y}, n});
        }
    }
    return moves;
}

TEST(Board, ResetGivesTheStartPositionInsideTheWall)
{
    Board& board = *Board::instance();
    board.cell(3, 3) = White; // something to undo
    board.reset();

    EXPECT_EQ(board.count(Black), 2);
    EXPECT_EQ(board.count(White), 2);
    EXPECT_EQ(board.count(Empty), 60);
    EXPECT_EQ(board.count(Wall), 0);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(board.cellValue(0, std::uint8_t(i)), Wall);
        EXPECT_EQ(board.cellValue(9, std::uint8_t(i)), Wall);
        EXPECT_EQ(board.cellValue(std::uint8_t(i), 0), Wall);
        EXPECT_EQ(board.cellValue(std::uint8_t(i), 9), Wall);
    }
    EXPECT_EQ(board.cellValue(4, 4), Black);
    EXPECT_EQ(board.cellValue(5, 5), Black);
    EXPECT_EQ(board.cellValue(4, 5), White);
    EXPECT_EQ(board.cellValue(5, 4), White);
    EXPECT_EQ(board.cellValue(1, 1), Empty);
}

TEST(Board, CellIsStoredAtXTimesTenPlusY)
{
    Board& board = *Board::instance();
    board.reset();
    board.cell(2, 7) = White;
    EXPECT_EQ(board.cellValue(2, 7), White);
    EXPECT_EQ(board.cellValue(7, 2), Empty);
    EXPECT_EQ(&board.cell(2, 7), &board.cell(0, 0) + 27);
}

TEST(Board, InstanceIsTheSameBoardAndKeepsItsDiscs)
{
    Board* first = Board::instance();
    first->reset();
    first->cell(1, 8) = Black;
    Board* second = Board::instance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->cellValue(1, 8), Black);
    EXPECT_EQ(second->count(Black), 3);
}

TEST(Board, OpponentOfSwapsDiscsOnly)
{
    EXPECT_EQ(opponentOf(Black), White);
    EXPECT_EQ(opponentOf(White), Black);
    EXPECT_EQ(opponentOf(Empty), Empty);
    EXPECT_EQ(opponentOf(Wall), Wall);
    EXPECT_EQ(opponentOf(Cell(7)), Wall);
}

TEST(Board, StartPositionHasFourMovesForEachSide)
{
    Board::instance()->reset();
    const std::set<std::pair<Square, int>> black{{{3, 5}, 1}, {{4, 6}, 1}, {{5, 3}, 1}, {{6, 4}, 1}};
    const std::set<std::pair<Square, int>> white{{{3, 4}, 1}, {{4, 3}, 1}, {{5, 6}, 1}, {{6, 5}, 1}};
    EXPECT_EQ(legalMoves(Black), black);
    EXPECT_EQ(legalMoves(White), white);
    EXPECT_TRUE(Board::instance()->hasLegalMove(Black));
    EXPECT_TRUE(Board::instance()->hasLegalMove(White));
}

TEST(Board, LegalMovesOfAColourInScanOrder)
{
    using Squares = std::vector<Square>;
    const struct {
        const char* what;
        std::vector<std::string> rows; // empty: the start position
        Cell colour;
        Squares moves;                 // x outer, y inner
    } cases[] = {
        {"start, Black", {}, Black, {{3, 5}, {4, 6}, {5, 3}, {6, 4}}},
        {"start, White", {}, White, {{3, 4}, {4, 3}, {5, 6}, {6, 5}}},
        {"Black stuck", {"W", ".B"}, Black, {}},
        {"White's one move", {"W", ".B"}, White, {{3, 3}}},
        {"full board, Black", std::vector<std::string>(8, "BBBBWWWW"), Black, {}},
        {"full board, White", std::vector<std::string>(8, "BBBBWWWW"), White, {}},
        {"Empty is no colour", {}, Empty, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.rows.empty())
            Board::instance()->reset();
        else
            boardsetup::set(c.rows);
        Squares moves;
        for (const CellPos& pos : Board::instance()->legalMoves(c.colour))
            moves.push_back({pos.x, pos.y});
        EXPECT_EQ(moves, c.moves);
        EXPECT_EQ(!moves.empty(), Board::instance()->hasLegalMove(c.colour));
    }
}

struct RayCase {
    const char* what;
    std::vector<std::string> rows;
    std::uint8_t x, y;
    Cell colour;
    int flips;
};

TEST(Board, FlipCountFollowsEachRay)
{
    const RayCase cases[] = {
        {"closed by own disc", {"BW......"}, 3, 1, Black, 1},
        {"line runs into the wall", {"WW......"}, 3, 1, Black, 0},
        {"line runs into an empty square", {".W......"}, 3, 1, Black, 0},
        {"gap before own disc", {"B.W....."}, 4, 1, Black, 0},
        {"own disc first", {"WB......"}, 3, 1, Black, 0},
        {"six in a row", {"BWWWWWW."}, 8, 1, Black, 6},
        {"white captures black", {"WBBB...."}, 5, 1, White, 3},
        {"vertical", {"B", "W", "W"}, 1, 4, Black, 2},
        {"diagonal into the corner wall", {"W", ".W"}, 3, 3, Black, 0},
        {"diagonal closed", {"B", ".W"}, 3, 3, Black, 1},
        {"occupied square flanks but is taken", {"BWB....."}, 3, 1, Black, 0},
        {"all eight directions",
         {"", "", "..BBBBB", "..BWWWB", "..BW.WB", "..BWWWB", "..BBBBB"}, 5, 5, Black, 8},
        {"two directions add up", {"", "..B.B", "...WW"}, 5, 4, Black, 2},
        {"one diagonal of the same picture", {"", "..B.B", "...WW"}, 3, 4, Black, 1},
        {"corner move three ways", {".WB", "WW", "B.B"}, 1, 1, Black, 3},
    };
    for (const RayCase& c : cases) {
        SCOPED_TRACE(c.what);
        boardsetup::set(c.rows);
        const boardsetup::Snapshot before = boardsetup::snapshot();
        EXPECT_EQ(Board::instance()->flipCount(c.x, c.y, c.colour), c.flips);
        EXPECT_EQ(boardsetup::snapshot(), before) << "flipCount must not change the board";
    }
}

TEST(Board, SquaresOffThePlayingAreaFlipNothing)
{
    // A disc line that a square on the wall ring, or beyond it, would close.
    boardsetup::set({"WB......", "W", "B"});
    for (const Square& s : std::vector<Square>{{0, 1}, {1, 0}, {9, 9}, {10, 1}, {255, 255}}) {
        SCOPED_TRACE(testing::Message() << s.first << "," << s.second);
        EXPECT_EQ(Board::instance()->flipCount(std::uint8_t(s.first), std::uint8_t(s.second), Black), 0);
    }
}

TEST(Board, HasLegalMoveIsFalseWhenNoSquareCaptures)
{
    boardsetup::set({"W", ".B"});           // White's only move is (3, 3); Black has none
    EXPECT_FALSE(Board::instance()->hasLegalMove(Black));
    EXPECT_TRUE(Board::instance()->hasLegalMove(White));

    boardsetup::set({"BBBBBBBB"});         // one colour only: nobody can capture
    EXPECT_FALSE(Board::instance()->hasLegalMove(Black));
    EXPECT_FALSE(Board::instance()->hasLegalMove(White));

    // White's only move is the last square of the scan, (8, 8).
    boardsetup::set({".......W", ".......W", ".......W", ".......W", ".......W", ".......W",
                   ".......B"});
    EXPECT_FALSE(Board::instance()->hasLegalMove(Black));
    EXPECT_TRUE(Board::instance()->hasLegalMove(White));
    EXPECT_EQ(Board::instance()->flipCount(8, 8, White), 1);
}

} // namespace
