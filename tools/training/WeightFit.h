#pragma once
// The least-squares fit of the pattern weights to labelled positions, stage by stage.
#include "tools/training/SelfPlay.h"

#include "engine/PatternWeights.h"

#include <string>
#include <vector>

namespace training {

struct FitSettings {
    int heldOutEvery = 10;    // games g with g % heldOutEvery == 0 are held out
    int stageOverlap = 2;     // a stage also learns from positions this many empties beyond its own
    double ridge = 2.0;       // added to the normal equations' diagonal (squared discs)
    int maxIterations = 300;  // conjugate gradient steps per stage at most
    int patience = 15;        // stop after this many steps without a better held-out error
};

struct FitReport {
    double trainRms = 0, heldOutRms = 0;           // in discs, with the rounded weights
    double trainMeanAbs = 0, heldOutMeanAbs = 0;   // in discs
    int trainPositions = 0, heldOutPositions = 0;
    std::vector<std::string> stageLines;           // one line per stage: its sizes, steps and errors
};

// Fits every stage's weights by preconditioned conjugate gradient on the ridge normal equations,
// keeping the step with the lowest held-out error. Single-threaded and deterministic.
engine::PatternWeights fitWeights(const std::vector<Sample>& samples, const FitSettings& settings,
                                  FitReport& report);

} // namespace training
