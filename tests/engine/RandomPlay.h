#pragma once
// Positions reached by random legal play from the start, for tests that need many varied positions.
#include "engine/Position.h"
#include "engine/RandomSquare.h"

#include <random>

namespace randomplay {

// Plays random moves (passing when forced) until `empties` squares are left or the game is over.
// `blackToMove` tells who is to move in the result.
inline engine::Position playDownTo(int empties, std::mt19937& random, bool* blackToMove = nullptr)
{
    engine::Position p = engine::Position::start();
    bool black = true;
    while (p.empties() > empties && !p.isOver()) {
        if (p.moves())
            engine::play(p, engine::randomSquare(p.moves(), random));
        else
            engine::pass(p);
        black = !black;
    }
    if (blackToMove)
        *blackToMove = black;
    return p;
}

} // namespace randomplay
