#pragma once
// The midgame evaluation: how good a position looks to the side to move, without searching.
#include "engine/Position.h"
#include "engine/Score.h"

namespace engine {

// Evaluations are in the units of Score.h.
// The learnt pattern evaluation (PatternEvaluation.h) with the weights built into the program.
// Always strictly between the worst and the best possible result, -64 and +64 discs.
int evaluate(const Position& position);

// The hand-tuned evaluation it replaced, kept to compare with and to start the training from:
// mobility, potential mobility, corners and the squares beside them, stable discs, parity and
// disc count, weighted by how far the game has gone. Same range.
int handTunedEvaluate(const Position& position);

} // namespace engine
