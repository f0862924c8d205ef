#include "tests/e2e/ExpectedBoard.h"

namespace {

ExpectedBoard::Square opponentOf(ExpectedBoard::Square colour)
{
    return colour == ExpectedBoard::Square::Dark ? ExpectedBoard::Square::Light
                                                 : ExpectedBoard::Square::Dark;
}

} // namespace

ExpectedBoard::ExpectedBoard()
{
    m_squares.fill(Square::Empty);
    m_squares[index(4, 4)] = Square::Dark;
    m_squares[index(5, 5)] = Square::Dark;
    m_squares[index(4, 5)] = Square::Light;
    m_squares[index(5, 4)] = Square::Light;
}

int ExpectedBoard::count(Square colour) const
{
    int total = 0;
    for (Square square : m_squares)
        total += square == colour ? 1 : 0;
    return total;
}

int ExpectedBoard::captures(int x, int y, int dx, int dy, Square colour) const
{
    int run = 0;
    for (int cx = x + dx, cy = y + dy; onBoard(cx, cy); cx += dx, cy += dy) {
        Square square = at(cx, cy);
        if (square == colour)
            return run;
        if (square != opponentOf(colour))
            return 0;
        ++run;
    }
    return 0;
}

int ExpectedBoard::play(int x, int y, Square colour)
{
    if (!onBoard(x, y) || at(x, y) != Square::Empty)
        return 0;
    int total = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            int run = captures(x, y, dx, dy, colour);
            for (int i = 1; i <= run; ++i)
                m_squares[index(x + i * dx, y + i * dy)] = colour;
            total += run;
        }
    if (total > 0)
        m_squares[index(x, y)] = colour;
    return total;
}

bool ExpectedBoard::hasMove(Square colour) const
{
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (at(x, y) != Square::Empty)
                continue;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if ((dx != 0 || dy != 0) && captures(x, y, dx, dy, colour) > 0)
                        return true;
        }
    return false;
}

SquarePos squareNamed(const std::string& name)
{
    return {name.at(0) - 'a' + 1, 9 - (name.at(1) - '0')};
}

std::vector<SquarePos> legalMoves(const ExpectedBoard& board, ExpectedBoard::Square colour)
{
    std::vector<SquarePos> moves;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            ExpectedBoard after = board;
            if (after.play(x, y, colour) > 0)
                moves.push_back({x, y});
        }
    return moves;
}
