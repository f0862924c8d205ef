#pragma once
// One side's discs as a 64-bit mask: bit i set means square i holds a disc of that side. Squares are
// numbered rank by rank from a1: index = (rank - 1) * 8 + (file - 1), so bit 0 is a1, bit 7 h1,
// bit 63 h8. The two sides' masks of a position never overlap.
#include <cstdint>

namespace engine {

using Bits = std::uint64_t;

constexpr Bits bitOf(int square) { return Bits{1} << square; }

inline int popCount(Bits b) { return __builtin_popcountll(b); }
// Lowest set square of a non-empty mask.
inline int firstSquare(Bits b) { return __builtin_ctzll(b); }

// Squares where `player` may play: empty, and closing at least one line of `opponent` discs.
Bits legalMoves(Bits player, Bits opponent);

// Opponent discs that `player` flips by playing `square`; 0 when the square is occupied or the
// move flips nothing (is illegal).
Bits flipsOf(Bits player, Bits opponent, int square);

// Squares outside `discs` that touch at least one of them (in any of the eight directions).
Bits neighbours(Bits discs);

} // namespace engine
