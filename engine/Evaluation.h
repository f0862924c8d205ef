#pragma once
// The midgame evaluation: how good a position looks to the side to move, without searching.
#include "engine/Position.h"

namespace engine {

// Evaluations are in units of 1/UnitsPerDisc of a disc, so that a search can tell apart positions
// that would round to the same disc count. Exact results are disc differences times UnitsPerDisc.
constexpr int UnitsPerDisc = 8;
// Beyond any evaluation or result.
constexpr int Infinity = 65 * UnitsPerDisc;

// The learnt pattern evaluation (PatternEvaluation.h) with the weights built into the program.
// Always strictly between the worst and the best possible result, -64 and +64 discs.
int evaluate(const Position& position);

// The hand-tuned evaluation it replaced, kept to compare with and to start the training from:
// mobility, potential mobility, corners and the squares beside them, stable discs, parity and
// disc count, weighted by how far the game has gone. Same range.
int handTunedEvaluate(const Position& position);

// Discs of `discs` that can never be flipped because they are anchored to a filled corner along
// an edge, or lie on a full edge.
Bits edgeStableDiscs(Bits discs, Bits occupied);

} // namespace engine
