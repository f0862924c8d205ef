#pragma once
// A square picked uniformly at random from a set: random openings, self-play noise and test
// positions all draw their random moves here, so a seed gives the same moves in each of them.
#include "engine/Bitboard.h"

#include <random>

namespace engine {

// One square of `squares`, which must not be empty; draws one number from `random`.
inline int randomSquare(Bits squares, std::mt19937& random)
{
    for (int skip = std::uniform_int_distribution<int>(0, popCount(squares) - 1)(random); skip > 0; --skip)
        squares &= squares - 1;
    return firstSquare(squares);
}

} // namespace engine
