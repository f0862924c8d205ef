#pragma once
// Board cell values and square coordinates, shared by the rules, the board scene and the screens.
#include <cstdint>

// One board cell: 32-bit signed. Player one plays Black, player two White.
enum Cell : std::int32_t {
    Wall = -1, // the border ring; never a playing square
    Empty = 0,
    White = 1,
    Black = 2,
};

// A square: x first, then y; 1..8 on the playing area, 0 and 9 on the wall ring.
struct CellPos {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
};

// The colour that a disc of `colour` captures: White <-> Black, Empty -> Empty, else Wall.
Cell opponentOf(Cell colour);
