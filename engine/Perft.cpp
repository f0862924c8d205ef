#include "engine/Perft.h"

namespace engine {

std::uint64_t perft(Position p, int depth)
{
    if (depth == 0)
        return 1;
    Bits moves = p.moves();
    if (!moves) {
        if (legalMoves(p.opponent, p.player) == 0)
            return 1; // the game is over
        pass(p);
        return perft(p, depth - 1);
    }
    if (depth == 1)
        return static_cast<std::uint64_t>(popCount(moves));
    std::uint64_t leaves = 0;
    for (; moves; moves &= moves - 1) {
        const int square = firstSquare(moves);
        const Bits flipped = play(p, square);
        leaves += perft(p, depth - 1);
        undo(p, square, flipped);
    }
    return leaves;
}

} // namespace engine
