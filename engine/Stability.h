#pragma once
// Stable discs: discs no later move can flip. The evaluation counts the edges' ones; the exact
// solver counts them all, to bound what the side to move can still reach.
#include "engine/Position.h"
#include "engine/Score.h"

namespace engine {

// Discs of `discs` that can never be flipped because they are anchored to a filled corner along
// an edge, or lie on a full edge.
Bits edgeStableDiscs(Bits discs, Bits occupied);

// Every disc of `discs` that can never be flipped: along each of its four lines it lies beside the
// board's side or beside such a disc of its own colour, or the line is full. (A subset of the
// truly stable discs, but a sound one.)
Bits stableDiscs(Bits discs, Bits occupied);

// Whether the opponent's stable discs keep the side to move at or below `alpha` (in discs): if so,
// `bound` is the most the side to move can still reach. Cheap when alpha is too low for that.
// (Other bounds and ways to count were no faster: docs/engine-notes.md.)
inline bool stabilityCutoff(const Position& p, int alpha, int& bound)
{
    if (2 * popCount(p.opponent) < MaxDiscs - alpha)
        return false; // not even every opponent disc stable would do
    bound = MaxDiscs - 2 * popCount(stableDiscs(p.opponent, p.player | p.opponent));
    return bound <= alpha;
}

} // namespace engine
