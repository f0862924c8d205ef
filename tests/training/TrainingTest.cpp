// The training tool's two halves on tiny runs: self-play labels are exact and do not depend on
// the number of threads, and the fit finds weights that explain their labels.
#include "engine/Evaluation.h"
#include "engine/Search.h"
#include "engine/PatternEvaluation.h"
#include "tools/training/SelfPlay.h"
#include "tools/training/WeightFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace training;

namespace {

SelfPlaySettings tinyRun(int threads)
{
    SelfPlaySettings settings;
    settings.games = 6;
    settings.seed = 77;
    settings.depth = 2;
    settings.exactEmpties = 10;
    settings.threads = threads;
    return settings;
}

TEST(SelfPlay, LabelsAreTheExactValueOfEachGamesFirstSolvedPositionOrLater)
{
    const std::vector<Sample> samples = selfPlay(tinyRun(1), nullptr, nullptr);
    ASSERT_GT(samples.size(), 6u * 50);
    engine::Search solver(engine::Evaluator::builtIn(), 4, 1); // its own table and evaluation
    int checked = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& s = samples[i];
        ASSERT_FALSE(s.position.isOver());
        ASSERT_TRUE(s.label >= -64 && s.label <= 64 && s.label % 2 == 0) << int(s.label);
        if (s.position.empties() <= 10) {
            // Every position of the exact part carries its own exact value.
            EXPECT_EQ(solver.solve(s.position).score, s.label) << "sample " << i;
            ++checked;
        } else if (i + 1 < samples.size() && samples[i + 1].game == s.game && samples[i + 1].position.empties() <= 10) {
            // The last midgame position takes the first solved one's value, seen from its side
            // (a move was played in between, so the other side's).
            EXPECT_EQ(s.label, -samples[i + 1].label) << "sample " << i;
        }
    }
    EXPECT_GT(checked, 6 * 8);
}

TEST(SelfPlay, TheSameSeedGivesTheSameGamesWhateverTheThreads)
{
    const std::vector<Sample> one = selfPlay(tinyRun(1), nullptr, nullptr);
    const std::vector<Sample> two = selfPlay(tinyRun(2), nullptr, nullptr);
    ASSERT_EQ(one.size(), two.size());
    for (std::size_t i = 0; i < one.size(); ++i) {
        ASSERT_EQ(one[i].position, two[i].position) << i;
        ASSERT_EQ(one[i].label, two[i].label) << i;
    }
}

TEST(WeightFit, RecoversLabelsMadeByKnownWeights)
{
    // Labels made by hidden weights on features every game meets (the mobilities, the parity and
    // the shortest diagonals), the same at every stage (a stage also learns from its neighbours'
    // positions): the fit must explain held-out games far better than knowing nothing.
    std::mt19937 random(3);
    const engine::CompactLayout& layout = engine::compactLayout();
    std::vector<std::int16_t> stageWeights(std::size_t(layout.size));
    for (int i = layout.familyOffset[engine::FamilyCount - 1]; i < layout.size; ++i)
        stageWeights[i] = std::int16_t(std::uniform_int_distribution<int>(-64, 64)(random));
    std::vector<std::int16_t> hidden;
    for (int stage = 0; stage < engine::Stages; ++stage)
        hidden.insert(hidden.end(), stageWeights.begin(), stageWeights.end());
    const engine::PatternWeights truth(hidden);
    SelfPlaySettings settings = tinyRun(2);
    settings.games = 200;
    settings.exactEmpties = 4;
    std::vector<Sample> samples = selfPlay(settings, nullptr, nullptr);
    double spread = 0;
    for (Sample& s : samples) {
        s.label = std::int8_t(engine::patternEvaluate(s.position, truth) / engine::UnitsPerDisc);
        spread += double(s.label) * s.label;
    }
    spread = std::sqrt(spread / double(samples.size()));
    FitReport report;
    fitWeights(samples, FitSettings{}, report);
    EXPECT_GT(report.heldOutPositions, 0);
    EXPECT_LT(report.heldOutRms, 0.5 * spread) << "labels spread " << spread;
}

} // namespace
