#pragma once
// The board patterns of the learnt evaluation: square sets whose contents, read as a base-3 number,
// index a table of weights.
//
// A pattern family is one list of squares (its "digits", digit k worth 3^k; each digit 0 for an
// empty square, 1 for a disc of the side to move, 2 for the other side's). The family is read at
// every distinct copy of that square set under the 8 symmetries of the board (rotations and
// reflections), its instances, and all instances share the family's table. When a symmetry maps
// an instance onto itself (a row reversed, a corner block mirrored on its diagonal), the two
// readings of one configuration share one weight: canonicalIndex() names that shared entry.
//
// Instances are numbered 0..PatternInstances-1, family by family in the order of Families.
#include "engine/Position.h"

#include <cstdint>
#include <vector>

namespace engine {

constexpr int MaxPatternSquares = 10;

struct PatternFamily {
    const char* name;
    int size;                       // number of squares (digits)
    int squares[MaxPatternSquares]; // digit k reads squares[k] (a1 = 0, h8 = 63)
};

// An edge with its two X squares, the 2 x 5 and 3 x 3 corner blocks, the second to fourth rows
// (and so columns), and the diagonals of 8 down to 4 squares.
constexpr PatternFamily Families[] = {
    {"edge+2X", 10, {0, 1, 2, 3, 4, 5, 6, 7, 9, 14}},
    {"corner 2x5", 10, {0, 1, 2, 3, 4, 8, 9, 10, 11, 12}},
    {"corner 3x3", 9, {0, 1, 2, 8, 9, 10, 16, 17, 18}},
    {"row 2", 8, {8, 9, 10, 11, 12, 13, 14, 15}},
    {"row 3", 8, {16, 17, 18, 19, 20, 21, 22, 23}},
    {"row 4", 8, {24, 25, 26, 27, 28, 29, 30, 31}},
    {"diagonal 8", 8, {0, 9, 18, 27, 36, 45, 54, 63}},
    {"diagonal 7", 7, {1, 10, 19, 28, 37, 46, 55}},
    {"diagonal 6", 6, {2, 11, 20, 29, 38, 47}},
    {"diagonal 5", 5, {3, 12, 21, 30, 39}},
    {"diagonal 4", 4, {4, 13, 22, 31}},
};
constexpr int FamilyCount = sizeof(Families) / sizeof(Families[0]);
// Distinct copies per family: 4 for the families a reflection maps onto themselves, 8 for the
// 2 x 5 block (it has none), 2 for the long diagonal.
constexpr int InstancesPerFamily[FamilyCount] = {4, 8, 4, 4, 4, 4, 2, 4, 4, 4, 4};
constexpr int PatternInstances = 46;

constexpr int powerOf3(int n) { return n == 0 ? 1 : 3 * powerOf3(n - 1); }

// The board as seen through symmetry `s` (0..7, 0 the identity): bit q of the result is bit
// symmetricSquare(s, q) of `b`.
Bits symmetricImage(int s, Bits b);
int symmetricSquare(int s, int square);

// The base-3 index of every instance of `position`, from its side to move's point of view.
struct PatternIndices {
    std::uint32_t index[PatternInstances];
};
// Fast: byte and multiply tricks on the board's symmetric images.
void patternIndices(const Position& position, PatternIndices& out);
// Square by square from the instances' square lists: slow, the reference for the fast one.
void patternIndicesBySquares(const Position& position, PatternIndices& out);

// Where everything lives, built once on first use.
class PatternTables {
public:
    static const PatternTables& instance();

    int familyOf(int instance) const { return m_familyOf[instance]; }
    // The squares of an instance, in digit order.
    const int* instanceSquares(int instance) const { return m_squares[instance]; }
    // The shared entry of a family's configuration `index`: 0..canonicalCount(family)-1.
    int canonicalIndex(int family, int index) const { return m_canonical[family][index]; }
    int canonicalCount(int family) const { return m_canonicalCount[family]; }

private:
    PatternTables();
    int m_familyOf[PatternInstances];
    int m_squares[PatternInstances][MaxPatternSquares];
    std::vector<int> m_canonical[FamilyCount];
    int m_canonicalCount[FamilyCount];
};

} // namespace engine
