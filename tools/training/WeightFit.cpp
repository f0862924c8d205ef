// Each stage solves (AᵀA + ridge·I) w = Aᵀy, A the 0/1 matrix of which weights each position adds
// up, y the labels in discs, by conjugate gradient preconditioned with the diagonal (how often each
// weight occurs, plus the ridge). Weights no training position uses stay 0. The held-out positions
// are those the stage will score in play (its own empties only); the step that scores them best is
// kept, so the fit stops before it learns the training games' noise.
#include "tools/training/WeightFit.h"

#include "engine/PatternEvaluation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace training {
namespace {

struct Row {
    std::uint32_t features[engine::FeaturesPerPosition];
    float label;
    int empties;
    bool heldOut;
};

double predict(const Row& row, const std::vector<double>& w)
{
    double sum = 0;
    for (std::uint32_t f : row.features)
        sum += w[f];
    return sum;
}

double meanSquare(const std::vector<const Row*>& rows, const std::vector<double>& w)
{
    double sum = 0;
    for (const Row* row : rows) {
        const double e = predict(*row, w) - row->label;
        sum += e * e;
    }
    return rows.empty() ? 0 : sum / double(rows.size());
}

struct StageFit {
    std::vector<double> weights;
    int steps = 0;
    double trainMse = 0, heldOutMse = 0;
};

StageFit fitStage(const std::vector<const Row*>& train, const std::vector<const Row*>& heldOut,
                  const FitSettings& settings)
{
    const std::size_t n = std::size_t(engine::compactStageSize());
    StageFit fit;
    fit.weights.assign(n, 0.0);
    if (train.empty())
        return fit;
    std::vector<double> diagonal(n, settings.ridge), r(n, 0.0);
    for (const Row* row : train) {
        for (std::uint32_t f : row->features) {
            diagonal[f] += 1;
            r[f] += row->label; // Aᵀy, the residual of w = 0
        }
    }
    std::vector<double> w(n, 0.0), z(n), p(n), q(n), product(train.size());
    for (std::size_t i = 0; i < n; ++i)
        p[i] = z[i] = r[i] / diagonal[i];
    double rz = 0;
    for (std::size_t i = 0; i < n; ++i)
        rz += r[i] * z[i];

    double bestHeldOut = heldOut.empty() ? 0 : meanSquare(heldOut, w);
    int sinceBest = 0;
    for (int step = 1; step <= settings.maxIterations && rz > 1e-12; ++step) {
        // q = (AᵀA + ridge·I) p
        for (std::size_t k = 0; k < train.size(); ++k)
            product[k] = predict(*train[k], p);
        for (std::size_t i = 0; i < n; ++i)
            q[i] = settings.ridge * p[i];
        for (std::size_t k = 0; k < train.size(); ++k) {
            for (std::uint32_t f : train[k]->features)
                q[f] += product[k];
        }
        double pq = 0;
        for (std::size_t i = 0; i < n; ++i)
            pq += p[i] * q[i];
        const double alpha = rz / pq;
        double rzNext = 0;
        for (std::size_t i = 0; i < n; ++i) {
            w[i] += alpha * p[i];
            r[i] -= alpha * q[i];
            z[i] = r[i] / diagonal[i];
            rzNext += r[i] * z[i];
        }
        const double beta = rzNext / rz;
        rz = rzNext;
        for (std::size_t i = 0; i < n; ++i)
            p[i] = z[i] + beta * p[i];

        const double heldOutMse = heldOut.empty() ? 0 : meanSquare(heldOut, w);
        if (heldOut.empty() || heldOutMse < bestHeldOut) {
            bestHeldOut = heldOutMse;
            fit.weights = w;
            fit.steps = step;
            sinceBest = 0;
        } else if (++sinceBest >= settings.patience) {
            break;
        }
    }
    fit.trainMse = meanSquare(train, fit.weights);
    fit.heldOutMse = bestHeldOut;
    return fit;
}

} // namespace

engine::PatternWeights fitWeights(const std::vector<Sample>& samples, const FitSettings& settings, FitReport& report)
{
    std::vector<Row> rows(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        engine::compactFeatures(samples[i].position, rows[i].features);
        rows[i].label = samples[i].label;
        rows[i].empties = samples[i].position.empties();
        rows[i].heldOut = samples[i].game % settings.heldOutEvery == 0;
    }
    const std::size_t n = std::size_t(engine::compactStageSize());
    std::vector<std::int16_t> compact(std::size_t(engine::Stages) * n);
    for (int stage = 0; stage < engine::Stages; ++stage) {
        const int low = stage * 4 - settings.stageOverlap, high = stage * 4 + 3 + settings.stageOverlap;
        std::vector<const Row*> train, heldOut;
        for (const Row& row : rows) {
            if (!row.heldOut && row.empties >= low && row.empties <= high)
                train.push_back(&row);
            if (row.heldOut && engine::stageOf(row.empties) == stage)
                heldOut.push_back(&row);
        }
        const StageFit fit = fitStage(train, heldOut, settings);
        for (std::size_t i = 0; i < n; ++i) {
            const double scaled = std::round(fit.weights[i] * engine::WeightsPerDisc);
            compact[stage * n + i] = std::int16_t(std::clamp(scaled, -32767.0, 32767.0));
        }
        char line[200];
        std::snprintf(line, sizeof line, "stage %2d (%2d-%2d empties): %7zu training, %6zu held out, %3d steps, rms %.2f / %.2f discs",
                      stage, stage * 4, std::min(stage * 4 + 3, 60), train.size(), heldOut.size(), fit.steps,
                      std::sqrt(fit.trainMse), std::sqrt(fit.heldOutMse));
        report.stageLines.push_back(line);
    }

    // The errors of the weights as the engine will use them: rounded, each position at its stage.
    double squares[2] = {0, 0}, absolutes[2] = {0, 0};
    int counts[2] = {0, 0};
    for (const Row& row : rows) {
        const std::int16_t* stage = compact.data() + std::size_t(engine::stageOf(row.empties)) * n;
        double sum = 0;
        for (std::uint32_t f : row.features)
            sum += stage[f];
        const double error = sum / engine::WeightsPerDisc - row.label;
        squares[row.heldOut] += error * error;
        absolutes[row.heldOut] += std::fabs(error);
        ++counts[row.heldOut];
    }
    report.trainPositions = counts[0];
    report.heldOutPositions = counts[1];
    report.trainRms = counts[0] ? std::sqrt(squares[0] / counts[0]) : 0;
    report.heldOutRms = counts[1] ? std::sqrt(squares[1] / counts[1]) : 0;
    report.trainMeanAbs = counts[0] ? absolutes[0] / counts[0] : 0;
    report.heldOutMeanAbs = counts[1] ? absolutes[1] / counts[1] : 0;
    return engine::PatternWeights(std::move(compact));
}

} // namespace training
