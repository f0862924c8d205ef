#pragma once
// Squares by name and the groups of squares that have a meaning in play.
//
// Squares are numbered rank by rank from a1 (see Bitboard.h): A1 = 0, H1 = 7, A8 = 56, H8 = 63.
// A corner's X-square is the one diagonally beside it, its C-squares the two beside it on the
// edges. Each mask below lists squares of one kind; masks of different kinds never overlap (checked
// at compile time at the end of this file).
#include "engine/Bitboard.h"

namespace engine {

enum Square : int {
    A1, B1, C1, D1, E1, F1, G1, H1,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A8, B8, C8, D8, E8, F8, G8, H8,
    NoSquare = -1,
};

constexpr int SquareCount = 64;

constexpr Bits Corners = bitOf(A1) | bitOf(H1) | bitOf(A8) | bitOf(H8);
constexpr Bits XSquares = bitOf(B2) | bitOf(G2) | bitOf(B7) | bitOf(G7);
constexpr Bits CSquares = bitOf(B1) | bitOf(A2) | bitOf(G1) | bitOf(H2) | bitOf(A7) | bitOf(B8) | bitOf(H7) | bitOf(G8);

constexpr Bits FileA = 0x0101010101010101ULL;
constexpr Bits FileH = 0x8080808080808080ULL;
constexpr Bits Rank1 = 0x00000000000000ffULL;
constexpr Bits Rank8 = 0xff00000000000000ULL;
constexpr Bits EdgeSquares = FileA | FileH | Rank1 | Rank8;

// The four corners with, for each, its X-square and its two C-squares.
struct CornerGroup {
    Square corner;
    Square xSquare;
    Bits cSquares;
};
constexpr CornerGroup CornerGroups[4] = {
    {A1, B2, bitOf(B1) | bitOf(A2)},
    {H1, G2, bitOf(G1) | bitOf(H2)},
    {A8, B7, bitOf(A7) | bitOf(B8)},
    {H8, G7, bitOf(H7) | bitOf(G8)},
};

// The four edges, each listed from one corner to the other.
constexpr Square Edges[4][8] = {
    {A1, B1, C1, D1, E1, F1, G1, H1},
    {A8, B8, C8, D8, E8, F8, G8, H8},
    {A1, A2, A3, A4, A5, A6, A7, A8},
    {H1, H2, H3, H4, H5, H6, H7, H8},
};

// The board's four 4 x 4 quadrants; they cover it and never overlap.
constexpr Bits Quadrants[4] = {
    0x000000000f0f0f0fULL, // a1-d4
    0x00000000f0f0f0f0ULL, // e1-h4
    0x0f0f0f0f00000000ULL, // a5-d8
    0xf0f0f0f000000000ULL, // e5-h8
};

static_assert((Corners & XSquares) == 0 && (Corners & CSquares) == 0 && (XSquares & CSquares) == 0,
              "corner, X- and C-squares are distinct kinds");
static_assert((CSquares & ~EdgeSquares) == 0 && (Corners & ~EdgeSquares) == 0 && (XSquares & EdgeSquares) == 0,
              "corners and C-squares lie on the edges, X-squares inside");
static_assert((Quadrants[0] | Quadrants[1] | Quadrants[2] | Quadrants[3]) == ~Bits{0} &&
                  (Quadrants[0] & Quadrants[1]) == 0 && (Quadrants[2] & Quadrants[3]) == 0 &&
                  ((Quadrants[0] | Quadrants[1]) & (Quadrants[2] | Quadrants[3])) == 0,
              "the quadrants tile the board");

} // namespace engine
