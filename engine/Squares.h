#pragma once
// Square numbers against the game board's coordinates, for code that knows the board as (x, y).
//
// The engine numbers squares 0..63 rank by rank from a1 (0 = a1, 7 = h1, 63 = h8). The game's
// board names square (x, y), x and y in 1..8, as file 'a' + x - 1 and rank 9 - y, so y = 1 is the
// eighth rank.
namespace engine {

constexpr int squareOf(int x, int y) { return (8 - y) * 8 + (x - 1); }

inline void coordsOf(int square, int& x, int& y)
{
    x = square % 8 + 1;
    y = 8 - square / 8;
}

} // namespace engine
