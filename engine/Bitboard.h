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

namespace lines {

// A line through a square (its rank, file, or one of its two diagonals) read as one byte: the bits of
// `discs & mask` times `multiplier` land, without carries, in the top byte, bit k for the k-th square
// of the line (by file; by rank for a file). `at` is the square's own bit in that byte.
struct Line {
    Bits mask;
    Bits multiplier;
    int at;
};
struct Table {
    Line of[64][4];
    // Discs flipped along one line of 8 by a move at `at` when `mine` (one byte, bit `at` clear) are
    // the mover's and every other square of the line is the other side's.
    std::uint8_t flipped[8][256];
};

constexpr Table make()
{
    Table t{};
    for (int square = 0; square < 64; ++square) {
        const int file = square % 8, rank = square / 8;
        Bits diagonal = 0, antiDiagonal = 0;
        for (int f = 0; f < 8; ++f) {
            if (rank + f - file >= 0 && rank + f - file < 8)
                diagonal |= Bits{1} << ((rank + f - file) * 8 + f);
            if (rank - f + file >= 0 && rank - f + file < 8)
                antiDiagonal |= Bits{1} << ((rank - f + file) * 8 + f);
        }
        t.of[square][0] = {0xffULL << (8 * rank), 0x0101010101010101ULL, file};
        t.of[square][1] = {0x0101010101010101ULL << file, 0x0102040810204080ULL >> file, rank};
        t.of[square][2] = {diagonal, 0x0101010101010101ULL, file};
        t.of[square][3] = {antiDiagonal, 0x0101010101010101ULL, file};
    }
    for (int at = 0; at < 8; ++at) {
        for (int mine = 0; mine < 256; ++mine) {
            int count = 0;
            for (int step = -1; step <= 1; step += 2) {
                int i = at + step;
                while (i >= 0 && i < 8 && !(mine & (1 << i)))
                    i += step;
                if (i >= 0 && i < 8)
                    count += (i - at) * step - 1;
            }
            t.flipped[at][mine] = static_cast<std::uint8_t>(count);
        }
    }
    return t;
}

inline constexpr Table Lines = make();

} // namespace lines

// How many discs `player` flips by playing `square` when every other square of the board is taken
// (by the other side where not by `player`): counted line by line from tables, never played.
inline int lastFlipCount(Bits player, int square)
{
    const lines::Line* line = lines::Lines.of[square];
    int count = 0;
    for (int d = 0; d < 4; ++d)
        count += lines::Lines.flipped[line[d].at][((player & line[d].mask) * line[d].multiplier) >> 56];
    return count;
}

// Squares outside `discs` that touch at least one of them (in any of the eight directions).
Bits neighbours(Bits discs);

} // namespace engine
