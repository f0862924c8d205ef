#pragma once
// The one game board: 10 x 10 cells, element x * 10 + y for square (x, y).
//
// What always holds after reset: every cell with x or y equal to 0 or 9 is Wall and nothing
// writes it again; playing squares (1..8, 1..8) hold Empty, White or Black. Every ray scan
// leaves the playing area through a Wall cell and stops there, so scans need no bounds checks.
// Callers keep coordinates within 0..9.
#include "rules/Cell.h"

#include <cstdint>
#include <vector>

class Board {
public:
    static constexpr int Side = 10; // 8 playing squares plus the wall on each side

    // The first call creates the board and resets it; it lives until the process exits.
    static Board* instance();

    // The start position: d5/e4 Black at (4,4) and (5,5), White at (4,5) and (5,4).
    void reset();
    Cell& cell(std::uint16_t x, std::uint16_t y);
    Cell cellValue(std::uint8_t x, std::uint8_t y) const;
    // How many of the 64 playing squares hold `value` (so Wall counts 0).
    std::uint8_t count(Cell value) const;

    // Discs of the opponent that `colour` on (x, y) would flip; 0 for an occupied square (and
    // for any square off the playing area).
    std::uint8_t flipCount(std::uint8_t x, std::uint8_t y, Cell colour) const;
    // Some playing square has a non-zero flipCount; scans x outer, y inner.
    bool hasLegalMove(Cell colour) const;
    // Every playing square with a non-zero flipCount for `colour`, x outer, y inner.
    std::vector<CellPos> legalMoves(Cell colour) const;
    // Plays the move and returns the discs flipped. 0: illegal, nothing changed, no burst.
    // Otherwise each square written gets one particle burst just before its write, the played
    // square once per capturing direction.
    std::uint8_t playMove(std::uint8_t x, std::uint8_t y, Cell colour);
    // The same move without bursts: for rebuilding a position that was already seen (a take-back).
    std::uint8_t replayMove(std::uint8_t x, std::uint8_t y, Cell colour);

    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

private:
    Board();
    // Opponent discs that `colour` on (x, y) would capture along (dx, dy): an unbroken line of
    // them closed by one of its own discs; 0 when the line meets the wall or an empty square.
    std::uint8_t captureAlong(std::uint8_t x, std::uint8_t y, int dx, int dy, Cell colour) const;
    std::uint8_t applyMove(std::uint8_t x, std::uint8_t y, Cell colour, bool withBursts);
    Cell m_cells[Side * Side];
};
