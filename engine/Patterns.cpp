// The fast reading takes the board's 8 symmetric images once, then reads every instance at its
// family's own squares in one of the images: rows are bytes, corner blocks the low bits of the
// first bytes, and a diagonal gathers into one byte with a multiplication (each file holds one of
// its squares, so the shifted copies never overlap and nothing carries).
#include "engine/Patterns.h"

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>
#include <utility>

namespace engine {
namespace {

constexpr Bits mirrorFiles(Bits x)
{
    x = ((x >> 1) & 0x5555555555555555ULL) | ((x & 0x5555555555555555ULL) << 1);
    x = ((x >> 2) & 0x3333333333333333ULL) | ((x & 0x3333333333333333ULL) << 2);
    return ((x >> 4) & 0x0f0f0f0f0f0f0f0fULL) | ((x & 0x0f0f0f0f0f0f0f0fULL) << 4);
}

constexpr Bits mirrorRanks(Bits x) { return __builtin_bswap64(x); }

// Reflection in the a1-h8 diagonal: square (file, rank) takes (rank, file).
constexpr Bits transpose(Bits x)
{
    Bits t = 0x0f0f0f0f00000000ULL & (x ^ (x << 28));
    x ^= t ^ (t >> 28);
    t = 0x3333000033330000ULL & (x ^ (x << 14));
    x ^= t ^ (t >> 14);
    t = 0x5500550055005500ULL & (x ^ (x << 7));
    return x ^ t ^ (t >> 7);
}

// Symmetry s: bit 2 transposes first, then bit 0 mirrors the files and bit 1 the ranks.
void allImages(Bits b, Bits out[8])
{
    const Bits t = transpose(b);
    out[0] = b;
    out[1] = mirrorFiles(b);
    out[2] = mirrorRanks(b);
    out[3] = mirrorRanks(out[1]);
    out[4] = t;
    out[5] = mirrorFiles(t);
    out[6] = mirrorRanks(t);
    out[7] = mirrorRanks(out[5]);
}

// Binary digits read as base-3 digits: Ternary[m] = sum of 3^k over the bits k of m.
constexpr std::array<std::uint32_t, 1 << MaxPatternSquares> makeTernary()
{
    std::array<std::uint32_t, 1 << MaxPatternSquares> t{};
    for (int m = 0; m < (1 << MaxPatternSquares); ++m) {
        std::uint32_t value = 0;
        for (int k = MaxPatternSquares - 1; k >= 0; --k)
            value = value * 3 + ((m >> k) & 1);
        t[m] = value;
    }
    return t;
}
constexpr std::array<std::uint32_t, 1 << MaxPatternSquares> Ternary = makeTernary();

inline std::uint32_t ternary(unsigned mine, unsigned theirs) { return Ternary[mine] + 2 * Ternary[theirs]; }

// The squares of the diagonal that starts on file `file` of the first rank, gathered by file into
// the top byte.
constexpr Bits diagonalFrom(int file)
{
    Bits mask = 0;
    for (int f = file, r = 0; f < 8; ++f, ++r)
        mask |= bitOf(r * 8 + f);
    return mask;
}
inline unsigned diagonalBits(Bits b, int file)
{
    return unsigned(((b & diagonalFrom(file)) * 0x0101010101010101ULL) >> 56) >> file;
}

// Each family's digits from an image, as binary masks in digit order (Families' square lists).
template <int Family>
inline unsigned familyBits(Bits b)
{
    if constexpr (Family == 0)
        return unsigned(b & 0xFF) | unsigned((b >> 9) & 1) << 8 | unsigned((b >> 14) & 1) << 9;
    else if constexpr (Family == 1)
        return unsigned(b & 0x1F) | unsigned((b >> 8) & 0x1F) << 5;
    else if constexpr (Family == 2)
        return unsigned(b & 7) | unsigned((b >> 8) & 7) << 3 | unsigned((b >> 16) & 7) << 6;
    else if constexpr (Family <= 5)
        return unsigned(b >> (8 * (Family - 2))) & 0xFF;
    else
        return diagonalBits(b, Family - 6);
}

// Which image each instance is read in, in instance order. Fixed by PatternTables' construction
// (the first symmetry that gives a new square set), checked there.
constexpr int InstanceImage[PatternInstances] = {
    0, 2, 4, 6,             // edge+2X
    0, 1, 2, 3, 4, 5, 6, 7, // corner 2x5
    0, 1, 2, 3,             // corner 3x3
    0, 2, 4, 6,             // row 2
    0, 2, 4, 6,             // row 3
    0, 2, 4, 6,             // row 4
    0, 1,                   // diagonal 8
    0, 1, 2, 3,             // diagonal 7
    0, 1, 2, 3,             // diagonal 6
    0, 1, 2, 3,             // diagonal 5
    0, 1, 2, 3,             // diagonal 4
};

} // namespace

Bits symmetricImage(int s, Bits b)
{
    Bits images[8];
    allImages(b, images);
    return images[s & 7];
}

int symmetricSquare(int s, int square)
{
    int file = square % 8, rank = square / 8;
    if (s & 2)
        rank = 7 - rank;
    if (s & 1)
        file = 7 - file;
    if (s & 4)
        std::swap(file, rank);
    return rank * 8 + file;
}

// The instances of families First.. in turn, `instance` the first of family First.
template <int First>
inline void readFamilies(const Bits mine[8], const Bits theirs[8], int instance, PatternIndices& out)
{
    if constexpr (First < FamilyCount) {
        for (int k = 0; k < InstancesPerFamily[First]; ++k) {
            const int s = InstanceImage[instance + k];
            out.index[instance + k] = ternary(familyBits<First>(mine[s]), familyBits<First>(theirs[s]));
        }
        readFamilies<First + 1>(mine, theirs, instance + InstancesPerFamily[First], out);
    }
}

void patternIndices(const Position& p, PatternIndices& out)
{
    Bits mine[8], theirs[8];
    allImages(p.player, mine);
    allImages(p.opponent, theirs);
    readFamilies<0>(mine, theirs, 0, out);
}

void patternIndicesBySquares(const Position& p, PatternIndices& out)
{
    const PatternTables& tables = PatternTables::instance();
    for (int i = 0; i < PatternInstances; ++i) {
        const PatternFamily& family = Families[tables.familyOf(i)];
        std::uint32_t index = 0;
        for (int k = family.size - 1; k >= 0; --k) {
            const Bits square = bitOf(tables.instanceSquares(i)[k]);
            index = index * 3 + ((p.player & square) ? 1 : (p.opponent & square) ? 2 : 0);
        }
        out.index[i] = index;
    }
}

const PatternTables& PatternTables::instance()
{
    static const PatternTables tables;
    return tables;
}

PatternTables::PatternTables()
{
    int instance = 0;
    for (int f = 0; f < FamilyCount; ++f) {
        const PatternFamily& family = Families[f];
        // Each symmetry's reading of the family: digit k at symmetricSquare(s, squares[k]).
        std::vector<std::set<int>> seen;
        std::vector<std::vector<int>> permutations; // of the first instance's digits, for self-maps
        std::vector<int> firstReading;
        for (int s = 0; s < 8; ++s) {
            std::vector<int> reading(family.size);
            for (int k = 0; k < family.size; ++k)
                reading[k] = symmetricSquare(s, family.squares[k]);
            const std::set<int> squareSet(reading.begin(), reading.end());
            if (s == 0)
                firstReading = reading;
            if (squareSet == std::set<int>(firstReading.begin(), firstReading.end())) {
                // Digit k of this reading is digit permutation[k] of the first one.
                std::vector<int> permutation(family.size);
                for (int k = 0; k < family.size; ++k)
                    permutation[k] = int(std::find(firstReading.begin(), firstReading.end(), reading[k]) -
                                         firstReading.begin());
                permutations.push_back(permutation);
            }
            if (std::find(seen.begin(), seen.end(), squareSet) != seen.end())
                continue;
            seen.push_back(squareSet);
            // The fast reading looks at image s, whose bit q is square symmetricSquare(s, q).
            if (instance >= PatternInstances || InstanceImage[instance] != s)
                throw std::logic_error("pattern instance table out of date");
            m_familyOf[instance] = f;
            for (int k = 0; k < family.size; ++k)
                m_squares[instance][k] = reading[k];
            ++instance;
        }
        if (int(seen.size()) != InstancesPerFamily[f])
            throw std::logic_error("pattern instance count out of date");

        // A configuration and its readings under the self-maps share the entry of the smallest.
        const int count = powerOf3(family.size);
        std::vector<int> smallest(count);
        for (int index = 0; index < count; ++index) {
            int digits[MaxPatternSquares];
            for (int k = 0, rest = index; k < family.size; ++k, rest /= 3)
                digits[k] = rest % 3;
            int best = index;
            for (const std::vector<int>& permutation : permutations) {
                int other = 0;
                for (int k = family.size - 1; k >= 0; --k)
                    other = other * 3 + digits[permutation[k]];
                best = std::min(best, other);
            }
            smallest[index] = best;
        }
        m_canonical[f].assign(count, -1);
        int next = 0;
        for (int index = 0; index < count; ++index) {
            if (smallest[index] == index)
                m_canonical[f][index] = next++;
        }
        for (int index = 0; index < count; ++index)
            m_canonical[f][index] = m_canonical[f][smallest[index]];
        m_canonicalCount[f] = next;
    }
}

} // namespace engine
