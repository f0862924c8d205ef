#pragma once
// The learnt evaluation: the sum of the weights of a position's pattern configurations, mobilities
// and parity at its stage of the game, and which evaluation a thread's searches use.
#include "engine/PatternWeights.h"
#include "engine/Position.h"

#include <cstdint>

namespace engine {

// In evaluation units (Score.h), for the side to move; strictly between -64 and +64 discs.
int patternEvaluate(const Position& position, const PatternWeights& weights);

// The compact weights (within the stage of `position`) that patternEvaluate adds up: what the
// training fits.
void compactFeatures(const Position& position, std::uint32_t out[FeaturesPerPosition]);

// The weights built into the program, decoded on first use (about 0.07 s, inside the computer's
// first move, on its thread); nullptr if they fail to decode (the engine then falls back on the
// hand-tuned evaluation; the tests make sure it never does).
const PatternWeights* builtInWeights();

// The evaluation that evaluate() uses on this thread: the built-in weights unless a
// ScopedEvaluation says otherwise.
const PatternWeights* threadEvaluationWeights();

// While it lives, evaluate() on this thread uses `weights`, or the hand-tuned evaluation when
// `weights` is nullptr. For the tools that compare or train evaluations; the game never uses it.
class ScopedEvaluation {
public:
    explicit ScopedEvaluation(const PatternWeights* weights);
    ~ScopedEvaluation();
    ScopedEvaluation(const ScopedEvaluation&) = delete;
    ScopedEvaluation& operator=(const ScopedEvaluation&) = delete;

private:
    bool m_wasSet;
    const PatternWeights* m_previous;
};

} // namespace engine
