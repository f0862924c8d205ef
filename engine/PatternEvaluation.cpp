// Weights are in 1/WeightsPerDisc of a disc; the sum is brought to evaluation units at the end so
// the rounding happens once.
#include "engine/PatternEvaluation.h"

#include "engine/Score.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" const unsigned char reversi_pattern_weights_begin[];
extern "C" const unsigned char reversi_pattern_weights_end[];

namespace engine {
namespace {

static_assert(WeightsPerDisc % UnitsPerDisc == 0, "weights must be a whole number of evaluation units");

// Where each instance's family table starts in an expanded stage.
constexpr std::array<int, PatternInstances> makeInstanceTableOffsets()
{
    std::array<int, PatternInstances> offsets{};
    int instance = 0;
    for (int f = 0; f < FamilyCount; ++f) {
        for (int k = 0; k < InstancesPerFamily[f]; ++k)
            offsets[instance++] = fullFamilyOffsetOf(f);
    }
    return offsets;
}
constexpr std::array<int, PatternInstances> InstanceTableOffset = makeInstanceTableOffsets();

int mobilityIndex(Bits moves) { return std::min(popCount(moves), MobilityEntries - 1); }

} // namespace

int patternEvaluate(const Position& p, const PatternWeights& weights)
{
    PatternIndices indices;
    patternIndices(p, indices);
    const int empties = p.empties();
    const std::int16_t* w = weights.stage(stageOf(empties));
    int sum = 0;
    for (int i = 0; i < PatternInstances; ++i)
        sum += w[InstanceTableOffset[i] + indices.index[i]];
    const std::int16_t* extras = w + fullFamilyOffsetOf(FamilyCount);
    sum += extras[mobilityIndex(p.moves())];
    sum += extras[MobilityEntries + mobilityIndex(legalMoves(p.opponent, p.player))];
    sum += extras[2 * MobilityEntries + (empties & 1)];
    const int units = sum / (WeightsPerDisc / UnitsPerDisc);
    const int limit = discsToUnits(MaxDiscs) - 1;
    return std::clamp(units, -limit, limit);
}

void compactFeatures(const Position& p, std::uint32_t out[FeaturesPerPosition])
{
    const PatternTables& tables = PatternTables::instance();
    const CompactLayout& layout = compactLayout();
    PatternIndices indices;
    patternIndices(p, indices);
    for (int i = 0; i < PatternInstances; ++i) {
        const int f = tables.familyOf(i);
        out[i] = std::uint32_t(layout.familyOffset[f] + tables.canonicalIndex(f, int(indices.index[i])));
    }
    out[PatternInstances] = std::uint32_t(layout.playerMobility + mobilityIndex(p.moves()));
    out[PatternInstances + 1] = std::uint32_t(layout.opponentMobility + mobilityIndex(legalMoves(p.opponent, p.player)));
    out[PatternInstances + 2] = std::uint32_t(layout.parity + (p.empties() & 1));
}

PatternWeights decodeBuiltInWeights(const unsigned char* bytes, std::size_t size)
{
    PatternWeights weights;
    std::string error;
    if (!decodeWeights(bytes, size, weights, error)) {
        std::fprintf(stderr, "reversi: the built-in evaluation weights cannot be decoded: %s\n", error.c_str());
        std::fflush(stderr);
        std::_Exit(BrokenWeightsExitStatus);
    }
    return weights;
}

const PatternWeights& builtInWeights()
{
    static const PatternWeights weights = decodeBuiltInWeights(
        reversi_pattern_weights_begin, std::size_t(reversi_pattern_weights_end - reversi_pattern_weights_begin));
    return weights;
}

} // namespace engine
