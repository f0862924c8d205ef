#include "rules/Board.h"

#include "particles/ParticleSystem.h"

namespace {

struct Direction {
    int dx;
    int dy;
};

// Always visited in this order; it fixes the order of the bursts a move spawns.
constexpr Direction Directions[] = {
    {-1, -1}, {-1, 0}, {-1, +1}, {0, -1}, {0, +1}, {+1, -1}, {+1, 0}, {+1, +1},
};

constexpr std::uint8_t FirstSquare = 1;
constexpr std::uint8_t LastSquare = 8;

// Every square a move writes gets one burst, at the square's board coordinates, above the board.
constexpr float BurstSpawnValue = 1.0f;
constexpr float BurstHeight = 5.0f;
constexpr std::uint32_t BurstParticles = 2;
constexpr float BurstLifetime = 0.5f; // seconds
constexpr float BurstTriple = 0.5f;

bool isPlayingSquare(std::uint8_t x, std::uint8_t y)
{
    return x >= FirstSquare && x <= LastSquare && y >= FirstSquare && y <= LastSquare;
}

std::size_t indexOf(int x, int y)
{
    return std::size_t(x * Board::Side + y);
}

} // namespace

Board* Board::instance()
{
    // The one board, reset on creation and kept until the process exits.
    static Board board;
    return &board;
}

Board::Board()
{
    reset();
}

void Board::reset()
{
    for (Cell& c : m_cells)
        c = Wall;
    for (int x = FirstSquare; x <= LastSquare; ++x) {
        for (int y = FirstSquare; y <= LastSquare; ++y)
            m_cells[indexOf(x, y)] = Empty;
    }
    m_cells[indexOf(4, 4)] = Black;
    m_cells[indexOf(4, 5)] = White;
    m_cells[indexOf(5, 4)] = White;
    m_cells[indexOf(5, 5)] = Black;
}

Cell& Board::cell(std::uint16_t x, std::uint16_t y)
{
    return m_cells[indexOf(x, y)];
}

Cell Board::cellValue(std::uint8_t x, std::uint8_t y) const
{
    return m_cells[indexOf(x, y)];
}

std::uint8_t Board::count(Cell value) const
{
    std::uint8_t total = 0;
    for (int x = FirstSquare; x <= LastSquare; ++x) {
        for (int y = FirstSquare; y <= LastSquare; ++y) {
            if (m_cells[indexOf(x, y)] == value)
                ++total;
        }
    }
    return total;
}

std::uint8_t Board::captureAlong(std::uint8_t x, std::uint8_t y, int dx, int dy, Cell colour) const
{
    const Cell opponent = opponentOf(colour);
    std::uint8_t run = 0;
    int px = x;
    int py = y;
    for (;;) {
        px += dx;
        py += dy;
        const Cell probe = m_cells[indexOf(px, py)];
        if (probe == colour)
            return run;
        // A line that runs into the wall or a gap captures nothing. The wall is tested before
        // the opponent so that no colour, not even one outside the cell values, can carry a ray
        // through the wall ring.
        if (probe == Wall || probe == Empty || probe != opponent)
            return 0;
        ++run;
    }
}

std::uint8_t Board::flipCount(std::uint8_t x, std::uint8_t y, Cell colour) const
{
    if (!isPlayingSquare(x, y) || m_cells[indexOf(x, y)] != Empty)
        return 0;
    std::uint8_t total = 0;
    for (const Direction& d : Directions)
        total = std::uint8_t(total + captureAlong(x, y, d.dx, d.dy, colour));
    return total;
}

bool Board::hasLegalMove(Cell colour) const
{
    for (std::uint8_t x = FirstSquare; x <= LastSquare; ++x) {
        for (std::uint8_t y = FirstSquare; y <= LastSquare; ++y) {
            if (flipCount(x, y, colour) != 0)
                return true;
        }
    }
    return false;
}

std::vector<CellPos> Board::legalMoves(Cell colour) const
{
    std::vector<CellPos> moves;
    for (std::uint8_t x = FirstSquare; x <= LastSquare; ++x) {
        for (std::uint8_t y = FirstSquare; y <= LastSquare; ++y) {
            if (flipCount(x, y, colour) != 0)
                moves.push_back(CellPos{x, y});
        }
    }
    return moves;
}

std::uint8_t Board::playMove(std::uint8_t x, std::uint8_t y, Cell colour)
{
    return applyMove(x, y, colour, true);
}

std::uint8_t Board::replayMove(std::uint8_t x, std::uint8_t y, Cell colour)
{
    return applyMove(x, y, colour, false);
}

std::uint8_t Board::applyMove(std::uint8_t x, std::uint8_t y, Cell colour, bool withBursts)
{
    if (!isPlayingSquare(x, y) || m_cells[indexOf(x, y)] != Empty)
        return 0;
    std::uint8_t total = 0;
    for (const Direction& d : Directions) {
        const std::uint8_t captured = captureAlong(x, y, d.dx, d.dy, colour);
        if (captured == 0)
            continue;
        total = std::uint8_t(total + captured);
        // The played square first, then the captured discs outward; each burst comes just
        // before its square's write. A full particle pool changes nothing here.
        for (int i = 0; i <= captured; ++i) {
            const int sx = x + i * d.dx;
            const int sy = y + i * d.dy;
            if (withBursts)
                spawnBurst(BurstSpawnValue, Vec3{float(sx), float(sy), BurstHeight}, BurstParticles,
                           BurstLifetime, BurstTriple, BurstTriple, BurstTriple);
            m_cells[indexOf(sx, sy)] = colour;
        }
    }
    return total;
}
