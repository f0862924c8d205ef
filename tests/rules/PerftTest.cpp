// Perft: the number of move sequences of each length from the start position, counted with the
// board's own scan and move operations and compared with the well-known counts.
#include "rules/Board.h"
#include "tests/rules/BoardPerft.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using boardsetup::boardPerft;
using Counter = boardsetup::PerftCounter;

class Perft : public testing::Test {};

TEST_F(Perft, MatchesKnownCountsToDepthEight)
{
    const std::uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    Board& board = *Board::instance();
    for (int depth = 1; depth <= 8; ++depth) {
        SCOPED_TRACE(depth);
        board.reset();
        const boardsetup::Snapshot start = boardsetup::snapshot();
        Counter counter;
        EXPECT_EQ(boardPerft(board, Black, depth, counter), expected[depth - 1]);
        EXPECT_EQ(counter.mismatches, 0u);
        EXPECT_EQ(boardsetup::snapshot(), start) << "restoring the cells must undo every move";
    }
}

TEST_F(Perft, PassIsOnePlyAndAFinishedGameOneLeaf)
{
    Board& board = *Board::instance();
    Counter counter;
    // Black cannot move, White has (3, 3) and then nothing is left for either side.
    boardsetup::set({"W", ".B"});
    EXPECT_EQ(boardPerft(board, Black, 1, counter), 1u); // the pass
    EXPECT_EQ(boardPerft(board, Black, 2, counter), 1u); // pass, then White's one move
    EXPECT_EQ(boardPerft(board, Black, 5, counter), 1u); // the game ends after that move
    EXPECT_EQ(counter.mismatches, 0u);
}

} // namespace
