#pragma once
// The one bridge between the game's Board and the engine's Position.
//
// The engine numbers squares 0..63 rank by rank from a1 (0 = a1, 7 = h1, 63 = h8) and knows
// nothing else. The game's board names square (x, y), x and y in 1..8, as file 'a' + x - 1 and
// rank 9 - y, so y = 1 is the eighth rank. Every crossing between the two goes through here.
#include "engine/Position.h"
#include "rules/Board.h"
#include "rules/Cell.h"

// The engine's square for the board's (x, y).
constexpr int squareOf(int x, int y) { return (8 - y) * 8 + (x - 1); }

// The board's (x, y) for the engine's `square` (0..63).
inline void coordsOf(int square, int& x, int& y)
{
    x = square % 8 + 1;
    y = 8 - square / 8;
}

// The board as the engine sees it, with `colour` to move.
engine::Position positionOf(const Board& board, Cell colour);

// The board's square for the engine's `square` (0..63).
CellPos cellOf(int square);
