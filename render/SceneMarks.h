#pragma once
// The player's aids drawn on the board's surface: a small flat mark on every square the side to
// move may play, and a ring round the disc played last. Kept as plain values so that a frame
// hands them over without allocating.
#include "rules/Cell.h"

#include <cstdint>

struct SceneMarks {
    // Bit (x - 1) * 8 + (y - 1) set for each legal square (x, y).
    std::uint64_t legal = 0;
    bool hasLast = false;
    CellPos last; // the square of the last disc played, when hasLast

    static constexpr std::uint64_t bitOf(int x, int y) { return std::uint64_t(1) << ((x - 1) * 8 + (y - 1)); }
};
