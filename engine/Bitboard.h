#pragma once
// One side's discs as a 64-bit mask: bit i set means square i holds a disc of that side. Squares are
// numbered rank by rank from a1: index = (rank - 1) * 8 + (file - 1), so bit 0 is a1, bit 7 h1,
// bit 63 h8. The two sides' masks of a position never overlap.
#include <cstdint>

namespace engine {

using Bits = std::uint64_t;

constexpr Bits bitOf(int square) { return Bits{1} << square; }

// The popcnt instruction when the build may use it; otherwise the bits are summed in parallel
// inline, which is several times faster than the compiler's out-of-line fallback.
inline int popCount(Bits b)
{
#ifdef __POPCNT__
    return __builtin_popcountll(b);
#else
    b -= (b >> 1) & 0x5555555555555555ULL;
    b = (b & 0x3333333333333333ULL) + ((b >> 2) & 0x3333333333333333ULL);
    b = (b + (b >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((b * 0x0101010101010101ULL) >> 56);
#endif
}
// Lowest set square of a non-empty mask.
inline int firstSquare(Bits b) { return __builtin_ctzll(b); }

// Squares where `player` may play: empty, and closing at least one line of `opponent` discs.
Bits legalMoves(Bits player, Bits opponent);

namespace rays {

// For each square, the squares beyond it up to the board's side in each direction: `up` along the
// directions that raise the index (east, north-west, north, north-east), `down` along the others.
struct Table {
    Bits up[64][4];
    Bits down[64][4];
};

constexpr Table make()
{
    Table t{};
    constexpr int Files[4] = {1, -1, 0, 1}; // file step of east, north-west, north, north-east
    constexpr int Ranks[4] = {0, 1, 1, 1};
    for (int square = 0; square < 64; ++square) {
        for (int d = 0; d < 4; ++d) {
            for (int sign = 1; sign >= -1; sign -= 2) {
                Bits ray = 0;
                int file = square % 8 + sign * Files[d], rank = square / 8 + sign * Ranks[d];
                for (; file >= 0 && file < 8 && rank >= 0 && rank < 8; file += sign * Files[d], rank += sign * Ranks[d])
                    ray |= Bits{1} << (rank * 8 + file);
                (sign > 0 ? t.up : t.down)[square][d] = ray;
            }
        }
    }
    return t;
}

inline constexpr Table Rays = make();

} // namespace rays

// Opponent discs that `player` flips by playing `square`; 0 when the square is occupied or the
// move flips nothing (is illegal). Along each ray from the square the first square that is not an
// opponent disc decides: when it holds a player disc, the opponent discs before it flip.
inline Bits flipsOf(Bits player, Bits opponent, int square)
{
    if ((player | opponent) & bitOf(square))
        return 0;
    Bits flips = 0;
    for (int d = 0; d < 4; ++d) {
        const Bits up = rays::Rays.up[square][d];
        const Bits upEnd = up & ~opponent;
        const Bits upFirst = upEnd & (0 - upEnd); // lowest: nearest the square
        flips |= (upFirst - 1) & up & (0 - Bits((upFirst & player) != 0));

        const Bits down = rays::Rays.down[square][d];
        const Bits downEnd = down & ~opponent;
        const Bits downFirst = (Bits{1} << 63) >> __builtin_clzll(downEnd | 1); // highest: nearest
        flips |= ~((downFirst << 1) - 1) & down & (0 - Bits((downFirst & downEnd & player) != 0));
    }
    return flips;
}

// Squares outside `discs` that touch at least one of them (in any of the eight directions).
Bits neighbours(Bits discs);

} // namespace engine
