// Perft: the number of move sequences of each length from the start position, counted with the
// board's own scan and move operations and compared with the well-known counts. A forced pass is
// one ply; a finished game is one leaf however many plies remain.
#include "rules/Board.h"
#include "tests/particles/PoolProbe.h"
#include "tests/rules/Position.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct Counter {
    std::uint64_t leaves = 0;
    std::uint64_t mismatches = 0; // moves whose playMove disagreed with flipCount
};

std::uint64_t perft(Board& board, Cell side, int depth, Counter& counter)
{
    if (depth == 0)
        return 1;
    std::uint64_t leaves = 0;
    bool moved = false;
    for (std::uint8_t x = 1; x <= 8; ++x) {
        for (std::uint8_t y = 1; y <= 8; ++y) {
            const std::uint8_t flips = board.flipCount(x, y, side);
            if (flips == 0)
                continue;
            moved = true;
            const position::Snapshot saved = position::snapshot();
            if (board.playMove(x, y, side) != flips)
                ++counter.mismatches;
            leaves += perft(board, opponentOf(side), depth - 1, counter);
            position::restore(saved);
        }
    }
    if (moved)
        return leaves;
    if (board.hasLegalMove(opponentOf(side)))
        return perft(board, opponentOf(side), depth - 1, counter);
    return 1;
}

class Perft : public GlTest {};

TEST_F(Perft, MatchesKnownCountsToDepthEight)
{
    const std::uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    Board& board = *Board::instance();
    for (int depth = 1; depth <= 8; ++depth) {
        SCOPED_TRACE(depth);
        board.reset();
        const position::Snapshot start = position::snapshot();
        Counter counter;
        EXPECT_EQ(perft(board, Black, depth, counter), expected[depth - 1]);
        EXPECT_EQ(counter.mismatches, 0u);
        EXPECT_EQ(position::snapshot(), start) << "restoring the cells must undo every move";
    }
    pool::drain(); // the moves filled the particle pool
}

TEST_F(Perft, PassIsOnePlyAndAFinishedGameOneLeaf)
{
    Board& board = *Board::instance();
    Counter counter;
    // Black cannot move, White has (3, 3) and then nothing is left for either side.
    position::set({"W", ".B"});
    EXPECT_EQ(perft(board, Black, 1, counter), 1u); // the pass
    EXPECT_EQ(perft(board, Black, 2, counter), 1u); // pass, then White's one move
    EXPECT_EQ(perft(board, Black, 5, counter), 1u); // the game ends after that move
    EXPECT_EQ(counter.mismatches, 0u);
    pool::drain();
}

} // namespace
