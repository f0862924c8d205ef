#pragma once
// The values written on the board's surface: on each square that has one, its value in discs for
// the side to move ("+4", "-2", "0"), the best ones framed, the exact ones in a colour of their
// own. Plain values, as SceneMarks, so that a frame hands them over without allocating.
#include "render/SceneMarks.h"

#include <array>
#include <cstdint>

struct SceneValues {
    // Bits as SceneMarks::bitOf(x, y): the squares with a value, the best of them, the exact ones.
    std::uint64_t shown = 0;
    std::uint64_t best = 0;
    std::uint64_t exact = 0;
    // Discs, at index (x - 1) * 8 + (y - 1), as the bits; read only where `shown` is set.
    std::array<std::int8_t, 64> values{};

    static constexpr int indexOf(int x, int y) { return (x - 1) * 8 + (y - 1); }
    void set(int x, int y, int value, bool isBest, bool isExact)
    {
        const std::uint64_t bit = SceneMarks::bitOf(x, y);
        shown |= bit;
        best |= isBest ? bit : 0;
        exact |= isExact ? bit : 0;
        values[std::size_t(indexOf(x, y))] = std::int8_t(value);
    }
};
