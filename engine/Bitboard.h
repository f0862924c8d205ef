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

namespace lines {

// A line through a square (its rank, file, or one of its two diagonals) read as one byte: the bits of
// `discs & mask` times `multiplier` land, without carries, in the top byte, bit k for the k-th square
// of the line (by file; by rank for a file). `at` is the square's own bit in that byte. A diagonal's
// byte is put back on the board by repeating it in every rank and masking; a file's by `fileOf`.
struct Line {
    Bits mask;
    Bits multiplier;
    int at;
};

inline unsigned byteOf(Bits discs, const Line& line)
{
    return static_cast<unsigned>(((discs & line.mask) * line.multiplier) >> 56);
}

struct Table {
    Line of[64][4]; // each square's rank, file, diagonal and anti-diagonal
    // The rest go by the square's position `at` in a line of eight and a byte of discs (bit `at` clear).
    // Of the other side's discs: the squares just past the run of them on either side of `at`, where
    // a disc of the mover would close it (none where the run is empty or reaches the line's end).
    std::uint8_t outflank[8][256];
    // Of the mover's discs closing runs (at most one each side): the squares between them and `at`.
    std::uint8_t flipped[8][256];
    // Of the mover's discs, when every other square of the line is the other side's: how many flip.
    std::uint8_t flipCount[8][256];
    Bits fileOf[256]; // a byte put back on file a, bit k on rank k + 1
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
        for (int discs = 0; discs < 256; ++discs) {
            int outflank = 0, flipped = 0, count = 0;
            for (int step = -1; step <= 1; step += 2) {
                int run = at + step; // past the run of `discs`
                while (run >= 0 && run < 8 && (discs & (1 << run)))
                    run += step;
                if (run >= 0 && run < 8 && run != at + step)
                    outflank |= 1 << run;
                int closer = at + step; // the nearest of `discs`
                while (closer >= 0 && closer < 8 && !(discs & (1 << closer)))
                    closer += step;
                if (closer >= 0 && closer < 8) {
                    count += (closer - at) * step - 1;
                    for (int between = at + step; between != closer; between += step)
                        flipped |= 1 << between;
                }
            }
            t.outflank[at][discs] = static_cast<std::uint8_t>(outflank);
            t.flipped[at][discs] = static_cast<std::uint8_t>(flipped);
            t.flipCount[at][discs] = static_cast<std::uint8_t>(count);
        }
    }
    for (int byte = 0; byte < 256; ++byte)
        for (int rank = 0; rank < 8; ++rank)
            if (byte & (1 << rank))
                t.fileOf[byte] |= Bits{1} << (8 * rank);
    return t;
}

inline constexpr Table Lines = make();

// The mover's flips in one line, as a byte, from both sides' bytes of that line.
inline unsigned flippedOn(int at, unsigned theirs, unsigned mine)
{
    return Lines.flipped[at][Lines.outflank[at][theirs] & mine];
}

} // namespace lines

// Opponent discs that `player` flips by playing `square`; 0 when the square is occupied or the
// move flips nothing (is illegal). Each of the four lines through the square is read as a byte,
// its flips looked up and put back on the board.
inline Bits flipsOf(Bits player, Bits opponent, int square)
{
    if ((player | opponent) & bitOf(square))
        return 0;
    using lines::byteOf;
    using lines::flippedOn;
    const lines::Line* line = lines::Lines.of[square];
    // `& 7`, not `% 8`: the square is never negative, and the signed remainder cost 1% of a solve.
    const int file = square & 7, shift = square & ~7; // shift: the rank's first square
    Bits flips = Bits{flippedOn(file, (opponent >> shift) & 0xff, (player >> shift) & 0xff)} << shift;
    flips |= lines::Lines.fileOf[flippedOn(line[1].at, byteOf(opponent, line[1]), byteOf(player, line[1]))] << file;
    for (int d = 2; d < 4; ++d) {
        const Bits byte = flippedOn(file, byteOf(opponent, line[d]), byteOf(player, line[d]));
        flips |= (byte * 0x0101010101010101ULL) & line[d].mask;
    }
    return flips;
}

// How many discs `player` flips by playing `square` when every other square of the board is taken
// (by the other side where not by `player`): counted line by line, never played.
inline int lastFlipCount(Bits player, int square)
{
    const lines::Line* line = lines::Lines.of[square];
    int count = 0;
    for (int d = 0; d < 4; ++d)
        count += lines::Lines.flipCount[line[d].at][lines::byteOf(player, line[d])];
    return count;
}

// Squares outside `discs` that touch at least one of them (in any of the eight directions).
Bits neighbours(Bits discs);

} // namespace engine
