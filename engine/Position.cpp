#include "engine/Position.h"

#include "engine/Square.h"

#include <cassert>

namespace engine {

Position Position::start()
{
    // Black holds e4 and d5, White d4 and e5.
    return Position{bitOf(E4) | bitOf(D5), bitOf(D4) | bitOf(E5)};
}

bool Position::isOver() const
{
    return moves() == 0 && legalMoves(opponent, player) == 0;
}

int Position::finalDiff() const
{
    const int mine = popCount(player);
    const int theirs = popCount(opponent);
    const int empty = 64 - mine - theirs;
    if (mine > theirs)
        return mine - theirs + empty;
    if (mine < theirs)
        return mine - theirs - empty;
    return 0;
}

Bits play(Position& position, int square)
{
    const Bits flipped = flipsOf(position.player, position.opponent, square);
    playFlips(position, square, flipped);
    return flipped;
}

} // namespace engine
