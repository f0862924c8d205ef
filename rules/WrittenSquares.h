#pragma once
// The squares one move wrote, in the order it wrote them: for each capturing direction in the
// board's direction order, the played square, then the discs captured that way, outward. So the
// played square appears once per capturing direction. Empty for a move that captured nothing.
//
// A fixed list, so a move never allocates: squares[0..count) hold the writes, the rest is unused.
#include "rules/Cell.h"

#include <array>
#include <cstddef>
#include <cstdint>

struct WrittenSquares {
    // The most one move can write: from (4, 4) the eight rays hold 27 squares up to the wall,
    // 19 captured discs at most plus the played square once for each of the 8 directions.
    static constexpr std::size_t Capacity = 27;

    std::array<CellPos, Capacity> squares{};
    std::uint8_t count = 0;

    const CellPos* begin() const { return squares.data(); }
    const CellPos* end() const { return squares.data() + count; }
    bool empty() const { return count == 0; }
};
