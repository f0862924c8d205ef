// Expansion copies each shared entry to every raw index that names it; the codec checks every
// length against the bytes actually there before reading, so a damaged file is refused, not read
// past its end.
#include "engine/PatternWeights.h"

#include <cstring>

namespace engine {
namespace {

constexpr unsigned char Magic[4] = {'R', 'V', 'P', 'W'};
constexpr unsigned char FormatVersion = 1;

CompactLayout makeLayout()
{
    const PatternTables& tables = PatternTables::instance();
    CompactLayout layout{};
    int offset = 0;
    for (int f = 0; f < FamilyCount; ++f) {
        layout.familyOffset[f] = offset;
        offset += tables.canonicalCount(f);
    }
    layout.playerMobility = offset;
    layout.opponentMobility = offset + MobilityEntries;
    layout.parity = offset + 2 * MobilityEntries;
    layout.size = layout.parity + ParityEntries;
    return layout;
}

std::uint32_t fnv1a(const unsigned char* bytes, std::size_t size)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 16777619u;
    return hash;
}

void putU32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t getU32(const unsigned char* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

void putVarint(std::vector<unsigned char>& out, std::uint32_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<unsigned char>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<unsigned char>(value));
}

// Reads a varint of at most 5 bytes from [at, end); false if it runs past the end or is too long.
bool getVarint(const unsigned char*& at, const unsigned char* end, std::uint32_t& value)
{
    value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        if (at == end)
            return false;
        const unsigned char byte = *at++;
        value |= std::uint32_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return shift < 28 || byte < 0x10;
    }
    return false;
}

} // namespace

const CompactLayout& compactLayout()
{
    static const CompactLayout layout = makeLayout();
    return layout;
}

PatternWeights::PatternWeights() : PatternWeights(std::vector<std::int16_t>(std::size_t(Stages) * compactStageSize())) {}

PatternWeights::PatternWeights(std::vector<std::int16_t> compact) : m_compact(std::move(compact))
{
    const PatternTables& tables = PatternTables::instance();
    const CompactLayout& layout = compactLayout();
    const int full = FullStageSize, extras = fullFamilyOffsetOf(FamilyCount);
    m_compact.resize(std::size_t(Stages) * layout.size);
    m_full.resize(std::size_t(Stages) * full);
    for (int s = 0; s < Stages; ++s) {
        const std::int16_t* from = m_compact.data() + std::size_t(s) * layout.size;
        std::int16_t* to = m_full.data() + std::size_t(s) * full;
        for (int f = 0; f < FamilyCount; ++f) {
            std::int16_t* table = to + fullFamilyOffsetOf(f);
            for (int index = 0; index < powerOf3(Families[f].size); ++index)
                table[index] = from[layout.familyOffset[f] + tables.canonicalIndex(f, index)];
        }
        std::memcpy(to + extras, from + layout.playerMobility, sizeof(std::int16_t) * (2 * MobilityEntries + ParityEntries));
    }
}

std::vector<unsigned char> encodeWeights(const PatternWeights& weights)
{
    std::vector<unsigned char> out(WeightFileHeaderSize);
    const std::vector<std::int16_t>& compact = weights.compact();
    for (std::size_t i = 0; i < compact.size();) {
        if (compact[i] == 0) {
            std::size_t run = 0;
            while (i + run < compact.size() && compact[i + run] == 0)
                ++run;
            out.push_back(0);
            putVarint(out, std::uint32_t(run));
            i += run;
        } else {
            const int w = compact[i++];
            putVarint(out, w > 0 ? std::uint32_t(2 * w) : std::uint32_t(-2 * w - 1));
        }
    }
    std::memcpy(out.data(), Magic, 4);
    out[4] = FormatVersion;
    out[5] = Stages;
    putU32(out, 8, std::uint32_t(compactStageSize()));
    putU32(out, 12, std::uint32_t(out.size() - WeightFileHeaderSize));
    putU32(out, 16, fnv1a(out.data() + WeightFileHeaderSize, out.size() - WeightFileHeaderSize));
    return out;
}

bool decodeWeights(const unsigned char* bytes, std::size_t size, PatternWeights& out, std::string& error)
{
    if (size < WeightFileHeaderSize) {
        error = "weight file too short for its header (" + std::to_string(size) + " bytes)";
        return false;
    }
    if (std::memcmp(bytes, Magic, 4) != 0) {
        error = "not a weight file (no RVPW signature)";
        return false;
    }
    if (bytes[4] != FormatVersion) {
        error = "weight file format " + std::to_string(bytes[4]) + " is not supported (expected " +
                std::to_string(FormatVersion) + ")";
        return false;
    }
    const std::uint32_t perStage = getU32(bytes + 8);
    if (bytes[5] != Stages || perStage != std::uint32_t(compactStageSize())) {
        error = "weight file holds " + std::to_string(bytes[5]) + " stages of " + std::to_string(perStage) +
                " weights; this engine needs " + std::to_string(Stages) + " of " + std::to_string(compactStageSize());
        return false;
    }
    const std::uint32_t bodySize = getU32(bytes + 12);
    if (bodySize != size - WeightFileHeaderSize) {
        error = "weight file body should be " + std::to_string(bodySize) + " bytes, found " +
                std::to_string(size - WeightFileHeaderSize);
        return false;
    }
    const unsigned char* at = bytes + WeightFileHeaderSize;
    const unsigned char* end = bytes + size;
    if (fnv1a(at, bodySize) != getU32(bytes + 16)) {
        error = "weight file is damaged (hash mismatch)";
        return false;
    }
    const std::size_t expected = std::size_t(Stages) * perStage;
    std::vector<std::int16_t> compact;
    compact.reserve(expected);
    while (at != end) {
        std::uint32_t value;
        if (!getVarint(at, end, value)) {
            error = "weight file is damaged (cut or overlong number at byte " +
                    std::to_string(at - bytes) + ")";
            return false;
        }
        if (value == 0) {
            std::uint32_t run;
            if (!getVarint(at, end, run) || run == 0 || run > expected - compact.size()) {
                error = "weight file is damaged (bad run of zeros before weight " + std::to_string(compact.size()) + ")";
                return false;
            }
            compact.insert(compact.end(), run, std::int16_t{0});
            continue;
        }
        const std::int64_t w = (value & 1) ? -std::int64_t(value / 2) - 1 : std::int64_t(value / 2);
        if (w < INT16_MIN || w > INT16_MAX || compact.size() == expected) {
            error = compact.size() == expected ? "weight file has more weights than its header says"
                                               : "weight file is damaged (weight out of range)";
            return false;
        }
        compact.push_back(static_cast<std::int16_t>(w));
    }
    if (compact.size() != expected) {
        error = "weight file ends after " + std::to_string(compact.size()) + " of " + std::to_string(expected) +
                " weights";
        return false;
    }
    out = PatternWeights(std::move(compact));
    return true;
}

} // namespace engine
