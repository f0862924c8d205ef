#include "engine/Stability.h"

#include "engine/Square.h"

namespace engine {
namespace {

// Squares from which `steps` steps of (fileStep, rankStep) stay on the board.
constexpr Bits reachableAfter(int fileStep, int rankStep, int steps)
{
    Bits mask = 0;
    for (int square = 0; square < 64; ++square) {
        const int file = square % 8 + fileStep * steps, rank = square / 8 + rankStep * steps;
        if (file >= 0 && file < 8 && rank >= 0 && rank < 8)
            mask |= bitOf(square);
    }
    return mask;
}

// Squares whose whole ray along Step (an index step: 7, 8 or 9 up the board, or their opposites)
// is occupied, up to the board's side. Runs of 2, then 4, then 8 squares are checked by doubling.
template <int Step, int FileStep, int RankStep>
Bits occupiedRay(Bits occupied)
{
    auto shifted = [](Bits b, int by) { return by > 0 ? b >> by : b << -by; };
    Bits run = occupied & (shifted(occupied, Step) | ~reachableAfter(FileStep, RankStep, 1));
    run &= shifted(run, 2 * Step) | ~reachableAfter(FileStep, RankStep, 2);
    run &= shifted(run, 4 * Step) | ~reachableAfter(FileStep, RankStep, 4);
    return run;
}

} // namespace

Bits edgeStableDiscs(Bits discs, Bits occupied)
{
    Bits stable = 0;
    for (const auto& edge : Edges) {
        Bits line = 0;
        for (int square : edge)
            line |= bitOf(square);
        if ((occupied & line) == line) {
            // A disc on an edge can only be flipped along that edge.
            stable |= discs & line;
            continue;
        }
        for (int i = 0; i < 8 && (discs & bitOf(edge[i])); ++i)
            stable |= bitOf(edge[i]);
        for (int i = 7; i >= 0 && (discs & bitOf(edge[i])); --i)
            stable |= bitOf(edge[i]);
    }
    return stable;
}


Bits stableDiscs(Bits discs, Bits occupied)
{
    // A line is full when both rays from each of its squares are.
    const Bits fullRanks = occupiedRay<1, 1, 0>(occupied) & occupiedRay<-1, -1, 0>(occupied);
    const Bits fullFiles = occupiedRay<8, 0, 1>(occupied) & occupiedRay<-8, 0, -1>(occupied);
    const Bits fullNorthEast = occupiedRay<9, 1, 1>(occupied) & occupiedRay<-9, -1, -1>(occupied);
    const Bits fullNorthWest = occupiedRay<7, -1, 1>(occupied) & occupiedRay<-7, 1, -1>(occupied);

    // Grow from the corners and the full lines until nothing changes: a disc joins when along each
    // line it lies beside the board's side or a stable disc of its own, or the line is full.
    Bits stable = discs & fullRanks & fullFiles & fullNorthEast & fullNorthWest;
    for (;;) {
        const Bits alongRank = ((stable << 1) & ~FileA) | ((stable >> 1) & ~FileH) | fullRanks | FileA | FileH;
        const Bits alongFile = (stable << 8) | (stable >> 8) | fullFiles | Rank1 | Rank8;
        const Bits alongNorthEast = ((stable << 9) & ~FileA) | ((stable >> 9) & ~FileH) | fullNorthEast | EdgeSquares;
        const Bits alongNorthWest = ((stable << 7) & ~FileH) | ((stable >> 7) & ~FileA) | fullNorthWest | EdgeSquares;
        const Bits grown = stable | (discs & alongRank & alongFile & alongNorthEast & alongNorthWest);
        if (grown == stable)
            return stable;
        stable = grown;
    }
}

} // namespace engine
