// Moves and flips by shifting whole masks one square at a time in each of the eight directions.
// A shift east or west would wrap a disc from one rank to the next, so each direction has a mask of
// the files a disc may come from without wrapping.
#include "engine/Bitboard.h"

namespace engine {
namespace {

constexpr Bits NotFileA = 0xfefefefefefefefeULL; // squares with a square to their west
constexpr Bits NotFileH = 0x7f7f7f7f7f7f7f7fULL; // squares with a square to their east

// One direction: how far a square moves along it, and which source squares stay on the board.
struct Direction {
    int shift;     // positive: towards higher indices
    Bits keepFrom; // source squares that do not leave the board by the shift
};

constexpr Direction Directions[8] = {
    {1, NotFileH},  // east
    {-1, NotFileA}, // west
    {8, ~Bits{0}},  // north (up a rank)
    {-8, ~Bits{0}}, // south
    {9, NotFileH},  // north-east
    {7, NotFileA},  // north-west
    {-7, NotFileH}, // south-east
    {-9, NotFileA}, // south-west
};

inline Bits step(Bits b, const Direction& d)
{
    b &= d.keepFrom;
    return d.shift > 0 ? b << d.shift : b >> -d.shift;
}

} // namespace

Bits legalMoves(Bits player, Bits opponent)
{
    const Bits empty = ~(player | opponent);
    Bits moves = 0;
    for (const Direction& d : Directions) {
        // Opponent runs starting next to a player disc; a line holds at most six of them.
        Bits run = step(player, d) & opponent;
        for (int i = 0; i < 5; ++i)
            run |= step(run, d) & opponent;
        moves |= step(run, d) & empty;
    }
    return moves;
}

Bits flipsOf(Bits player, Bits opponent, int square)
{
    const Bits placed = bitOf(square);
    if ((player | opponent) & placed)
        return 0;
    Bits flips = 0;
    for (const Direction& d : Directions) {
        Bits run = step(placed, d) & opponent;
        if (!run)
            continue;
        for (int i = 0; i < 5; ++i)
            run |= step(run, d) & opponent;
        // The run flips only when a player disc closes it.
        if (step(run, d) & player)
            flips |= run;
    }
    return flips;
}

Bits neighbours(Bits discs)
{
    Bits around = 0;
    for (const Direction& d : Directions)
        around |= step(discs, d);
    return around & ~discs;
}

} // namespace engine
