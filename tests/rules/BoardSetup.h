#pragma once
// Sets up test positions on the one board from a picture of the playing area (the rules' tests, the
// engine's comparison with the board and the opponent's tests share it).
//
// rows[y - 1][x - 1] is square (x, y): 'B' Black, 'W' White, anything else Empty. Rows not given
// and characters past a row's end are Empty; the wall ring is left as reset made it.
#include "rules/Board.h"

#include <array>
#include <string>
#include <vector>

namespace boardsetup {

inline void set(const std::vector<std::string>& rows)
{
    Board& board = *Board::instance();
    board.reset();
    for (std::uint16_t x = 1; x <= 8; ++x) {
        for (std::uint16_t y = 1; y <= 8; ++y) {
            char c = '.';
            if (y - 1u < rows.size() && x - 1u < rows[y - 1u].size())
                c = rows[y - 1u][x - 1u];
            board.cell(x, y) = c == 'B' ? Black : c == 'W' ? White : Empty;
        }
    }
}

// All 100 cells, element x * 10 + y.
using Snapshot = std::array<Cell, 100>;

inline Snapshot snapshot()
{
    Snapshot cells{};
    for (std::uint16_t x = 0; x < 10; ++x) {
        for (std::uint16_t y = 0; y < 10; ++y)
            cells[x * 10u + y] = Board::instance()->cell(x, y);
    }
    return cells;
}

inline void restore(const Snapshot& cells)
{
    for (std::uint16_t x = 0; x < 10; ++x) {
        for (std::uint16_t y = 0; y < 10; ++y)
            Board::instance()->cell(x, y) = cells[x * 10u + y];
    }
}

} // namespace boardsetup
