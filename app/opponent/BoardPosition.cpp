#include "app/opponent/BoardPosition.h"

engine::Position positionOf(const Board& board, Cell colour)
{
    engine::Position position;
    for (std::uint8_t x = 1; x <= 8; ++x) {
        for (std::uint8_t y = 1; y <= 8; ++y) {
            const Cell cell = board.cellValue(x, y);
            const engine::Bits bit = engine::Bits(1) << squareOf(x, y);
            if (cell == colour)
                position.player |= bit;
            else if (cell == opponentOf(colour))
                position.opponent |= bit;
        }
    }
    return position;
}

CellPos cellOf(int square)
{
    int x = 0;
    int y = 0;
    coordsOf(square, x, y);
    return CellPos{std::uint8_t(x), std::uint8_t(y)};
}
