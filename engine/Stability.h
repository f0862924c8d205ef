#pragma once
// Stable discs: discs no later move can flip. The evaluation counts them; the exact solver uses the
// opponent's to bound what the side to move can still reach.
#include "engine/Bitboard.h"

namespace engine {

// Discs of `discs` that can never be flipped because they are anchored to a filled corner along
// an edge, or lie on a full edge.
Bits edgeStableDiscs(Bits discs, Bits occupied);

} // namespace engine
