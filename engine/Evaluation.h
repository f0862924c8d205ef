#pragma once
// The midgame evaluation: how good a position looks to the side to move, without searching.
//
// An Evaluator says which evaluation a search scores its horizon with: the learnt patterns with
// some weights, or the hand-tuned terms. It is a value handed to each search and carried in its
// context (no thread or global state chooses it); a leaf pays a test of a pointer, no call through
// a table. The weights it points to must outlive it.
#include "engine/PatternEvaluation.h"
#include "engine/Position.h"
#include "engine/Score.h"

namespace engine {

// Evaluations are in the units of Score.h, always strictly between the worst and the best possible
// result, -64 and +64 discs.

// The hand-tuned evaluation the learnt one (PatternEvaluation.h) replaced, kept to compare with
// and to start the training from: mobility, potential mobility, corners and the squares beside
// them, stable discs, parity and disc count, weighted by how far the game has gone.
int handTunedEvaluate(const Position& position);

class Evaluator {
public:
    static Evaluator handTuned() { return Evaluator(nullptr, false); }
    static Evaluator learnt(const PatternWeights& weights) { return Evaluator(&weights, false); }
    // The learnt evaluation with the weights built into the program: the game's. Naming them does
    // not decode them; the first search that uses them does, on its own thread (resolved()).
    static Evaluator builtIn() { return Evaluator(nullptr, true); }

    // The same evaluation, with the built-in weights decoded if it names them.
    Evaluator resolved() const { return m_builtIn ? learnt(builtInWeights()) : *this; }

    // For the side to move of `position`.
    int operator()(const Position& position) const
    {
        if (m_weights)
            return patternEvaluate(position, *m_weights);
        return m_builtIn ? patternEvaluate(position, builtInWeights()) : handTunedEvaluate(position);
    }

private:
    Evaluator(const PatternWeights* weights, bool builtIn) : m_weights(weights), m_builtIn(builtIn) {}

    const PatternWeights* m_weights; // nullptr: hand-tuned, or built-in not yet resolved
    bool m_builtIn;
};

} // namespace engine
