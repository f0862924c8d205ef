// Legal moves by shifting whole masks one square at a time in each of the eight directions.
// A shift east or west would wrap a disc from one rank to the next, so sideways and diagonal
// directions only let opponent discs off the a- and h-files take part in a run (a run never
// reaches its closing disc across the board's side).
// SSE2 and AVX2 versions were no faster on the exact solves (docs/engine-notes.md).
#include "engine/Bitboard.h"

#include "engine/Square.h"

namespace engine {
namespace {

constexpr Bits NotEdgeFiles = ~(FileA | FileH); // files b to g

// Directions by their index step: +1 east, +8 north, +9 north-east, +7 north-west, and their opposites.
template <int Step>
constexpr Bits shifted(Bits b)
{
    if constexpr (Step > 0)
        return b << Step;
    else
        return b >> -Step;
}

// Discs of `opponent` that can take part in a run along Step (no wrapping round the board's side).
template <int Step>
constexpr Bits runnable(Bits opponent)
{
    return (Step == 8 || Step == -8) ? opponent : opponent & NotEdgeFiles;
}

// Empty squares closing, along Step, a run of opponent discs that starts next to a player disc.
// A run is at most six discs long: one step, then two doublings.
template <int Step>
Bits movesAlong(Bits player, Bits opponent, Bits empty)
{
    const Bits o = runnable<Step>(opponent);
    Bits run = o & shifted<Step>(player);
    run |= o & shifted<Step>(run);
    const Bits pairs = o & shifted<Step>(o);
    run |= pairs & shifted<2 * Step>(run);
    run |= pairs & shifted<2 * Step>(run);
    return shifted<Step>(run) & empty;
}

} // namespace

Bits legalMoves(Bits player, Bits opponent)
{
    const Bits empty = ~(player | opponent);
    return movesAlong<1>(player, opponent, empty) | movesAlong<-1>(player, opponent, empty) |
           movesAlong<8>(player, opponent, empty) | movesAlong<-8>(player, opponent, empty) |
           movesAlong<9>(player, opponent, empty) | movesAlong<-9>(player, opponent, empty) |
           movesAlong<7>(player, opponent, empty) | movesAlong<-7>(player, opponent, empty);
}

Bits neighbours(Bits discs)
{
    const Bits fromWest = (discs & ~FileH) << 1; // squares east of a disc
    const Bits fromEast = (discs & ~FileA) >> 1; // squares west of a disc
    const Bits row = discs | fromWest | fromEast;
    return (row | (row << 8) | (row >> 8)) & ~discs;
}

} // namespace engine
