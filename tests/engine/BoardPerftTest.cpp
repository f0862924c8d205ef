// The engine against the game's own board: the square mapping, and the same perft counts from the
// start and from random mid-game positions.
#include "app/opponent/BoardPosition.h"
#include "engine/Perft.h"
#include "rules/Board.h"
#include "tests/engine/RandomPlay.h"
#include "tests/rules/BoardPerft.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace engine;

namespace {

// The board's perft, walked with its own scan and move (as in the rules tests).
std::uint64_t boardPerft(Board& board, Cell side, int depth)
{
    boardsetup::PerftCounter counter;
    const std::uint64_t leaves = boardsetup::boardPerft(board, side, depth, counter);
    EXPECT_EQ(counter.mismatches, 0u);
    return leaves;
}

// Puts an engine position on the game's board.
void setBoard(const Position& p, bool blackToMove)
{
    const Bits black = blackToMove ? p.player : p.opponent;
    const Bits white = blackToMove ? p.opponent : p.player;
    Board& board = *Board::instance();
    board.reset();
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            const Bits square = bitOf(squareOf(x, y));
            board.cell(x, y) = (black & square) ? Black : (white & square) ? White : Empty;
        }
    }
}

class BoardPerft : public testing::Test {};

TEST_F(BoardPerft, SquaresMapToTheBoardsCoordinates)
{
    for (int square = 0; square < 64; ++square) {
        int x = 0, y = 0;
        coordsOf(square, x, y);
        EXPECT_EQ(squareOf(x, y), square);
    }
    EXPECT_EQ(squareOf(1, 8), 0);  // a1
    EXPECT_EQ(squareOf(8, 1), 63); // h8
    // The board's start position is the engine's, Black to move.
    Board& board = *Board::instance();
    board.reset();
    Position fromBoard;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            if (board.cellValue(x, y) == Black)
                fromBoard.player |= bitOf(squareOf(x, y));
            else if (board.cellValue(x, y) == White)
                fromBoard.opponent |= bitOf(squareOf(x, y));
        }
    }
    EXPECT_EQ(fromBoard, Position::start());
}

TEST_F(BoardPerft, AgreesWithTheGamesBoard)
{
    struct Case {
        int empties; // 60: the start position
        int depth;
    };
    const Case cases[] = {{60, 6}, {50, 4}, {40, 4}, {30, 4}, {20, 4}, {12, 4}, {6, 5}};
    std::mt19937 random(7);
    Board& board = *Board::instance();
    for (const Case& c : cases) {
        for (int repeat = 0; repeat < (c.empties == 60 ? 1 : 3); ++repeat) {
            bool blackToMove = true;
            const Position p = randomplay::playDownTo(c.empties, random, &blackToMove);
            SCOPED_TRACE(testing::Message() << c.empties << " empties, depth " << c.depth);
            setBoard(p, blackToMove);
            EXPECT_EQ(perft(p, c.depth), boardPerft(board, blackToMove ? Black : White, c.depth));
        }
    }
}

} // namespace
