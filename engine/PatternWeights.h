#pragma once
// The learnt evaluation's weights and their file.
//
// Weights are 16-bit integers in 1/WeightsPerDisc of a disc. One set per stage of the game
// (Stages sets, a stage every 4 empty squares). Within a stage the weights are stored "compact":
// the families' shared entries (PatternTables::canonicalCount each) in the order of Families, then
// the side to move's mobility (MobilityEntries, by number of legal moves, capped), the other
// side's, and the parity (2 entries: even or odd number of empty squares). The evaluation reads an
// expanded copy indexed directly by the raw base-3 index.
//
// The file, all integers little-endian:
//   bytes 0-3   "RVPW"
//   byte  4     format version, 1
//   byte  5     number of stages, Stages
//   bytes 6-7   0
//   bytes 8-11  compact weights per stage (compactStageSize())
//   bytes 12-15 body length in bytes, exactly the rest of the file
//   bytes 16-19 FNV-1a hash of the body
//   body        every stage's compact weights in turn: a non-zero weight as a zigzag varint (LEB128
//               of 2w or -2w-1), a run of zeros as a 0 byte followed by the run length as a varint.
#include "engine/Patterns.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

constexpr int Stages = 16;
constexpr int WeightsPerDisc = 32;
constexpr int MobilityEntries = 32;
constexpr int ParityEntries = 2;
// Weights read per position: every pattern instance, both mobilities and the parity.
constexpr int FeaturesPerPosition = PatternInstances + 3;
constexpr std::size_t WeightFileHeaderSize = 20;

// Where each family's table starts in an expanded stage, and the expanded stage's size: the
// families' full tables (3^size entries each), then the mobilities and the parity.
constexpr int fullFamilyOffsetOf(int family)
{
    return family == 0 ? 0 : fullFamilyOffsetOf(family - 1) + powerOf3(Families[family - 1].size);
}
constexpr int FullStageSize = fullFamilyOffsetOf(FamilyCount) + 2 * MobilityEntries + ParityEntries;

inline int stageOf(int empties) { return (empties < 0 ? 0 : empties > 60 ? 60 : empties) / 4; }

// Where each part starts in a compact stage, and the stage's size.
struct CompactLayout {
    int familyOffset[FamilyCount];
    int playerMobility, opponentMobility, parity;
    int size;
};
const CompactLayout& compactLayout();
inline int compactStageSize() { return compactLayout().size; }

class PatternWeights {
public:
    // All zero.
    PatternWeights();
    // `compact`: Stages * compactStageSize() weights.
    explicit PatternWeights(std::vector<std::int16_t> compact);

    const std::vector<std::int16_t>& compact() const { return m_compact; }
    // The expanded weights of `stage` (FullStageSize of them).
    const std::int16_t* stage(int stage) const { return m_full.data() + std::size_t(stage) * FullStageSize; }

private:
    std::vector<std::int16_t> m_compact;
    std::vector<std::int16_t> m_full;
};

// The file's bytes for `weights`.
std::vector<unsigned char> encodeWeights(const PatternWeights& weights);
// Reads a weight file's bytes; on a bad file returns false and says why in `error` (one line).
bool decodeWeights(const unsigned char* bytes, std::size_t size, PatternWeights& out, std::string& error);

} // namespace engine
