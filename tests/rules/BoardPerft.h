#pragma once
// Perft through the game's own board: the number of move sequences of `depth` plies, walked with
// the board's scan and move operations. A forced pass is one ply; a finished game is one leaf
// however many plies remain.
#include "rules/Board.h"
#include "tests/rules/BoardSetup.h"

#include <cstdint>

namespace boardsetup {

struct PerftCounter {
    std::uint64_t mismatches = 0; // moves whose playMove disagreed with flipCount
};

inline std::uint64_t boardPerft(Board& board, Cell side, int depth, PerftCounter& counter)
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
            const Snapshot saved = snapshot();
            WrittenSquares written;
            if (board.playMove(x, y, side, written) != flips)
                ++counter.mismatches;
            leaves += boardPerft(board, opponentOf(side), depth - 1, counter);
            restore(saved);
        }
    }
    if (moved)
        return leaves;
    if (board.hasLegalMove(opponentOf(side)))
        return boardPerft(board, opponentOf(side), depth - 1, counter);
    return 1;
}

} // namespace boardsetup
