#pragma once

#include <array>
#include <string>
#include <vector>

// The position the screen should show, kept by the tests themselves with the ordinary rules of
// Reversi, independently of the game's own code. Squares are (x, y) with x and y in 1..8; the
// usual name "f5" is x = 'f' - 'a' + 1, y = 9 - 5.
class ExpectedBoard {
public:
    enum class Square { Empty, Dark, Light };

    ExpectedBoard(); // the start position: dark on (4, 4) and (5, 5), light on (4, 5) and (5, 4)

    Square at(int x, int y) const { return m_squares[index(x, y)]; }
    int count(Square colour) const;

    // Plays `colour` on (x, y) when that captures; returns the number of discs flipped (0: the
    // move is illegal and nothing changed).
    int play(int x, int y, Square colour);
    bool hasMove(Square colour) const;
    // Puts `colour` on (x, y) as it is, for positions set up rather than played.
    void set(int x, int y, Square colour) { m_squares[index(x, y)] = colour; }

private:
    static int index(int x, int y) { return (x - 1) * 8 + (y - 1); }
    static bool onBoard(int x, int y) { return x >= 1 && x <= 8 && y >= 1 && y <= 8; }
    int captures(int x, int y, int dx, int dy, Square colour) const;

    std::array<Square, 64> m_squares;
};

struct SquarePos {
    int x = 0;
    int y = 0;
};

// "f5" -> (6, 4).
SquarePos squareNamed(const std::string& name);

// Every square `colour` may play on `board`, x outer, y inner.
std::vector<SquarePos> legalMoves(const ExpectedBoard& board, ExpectedBoard::Square colour);
