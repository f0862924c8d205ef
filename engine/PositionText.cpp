#include "engine/PositionText.h"

#include <algorithm>
#include <cctype>

namespace engine {
namespace {

constexpr std::size_t Squares = 64;

bool fail(std::string* error, const std::string& message)
{
    if (error)
        *error = "position: " + message;
    return false;
}

// The bytes as they can be quoted on one terminal line: printable ASCII as it is, others as \xNN.
std::string quoted(const std::string& bytes)
{
    static const char Hex[] = "0123456789abcdef";
    std::string text = "'";
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f) {
            text += char(c);
        } else {
            text += "\\x";
            text += Hex[c >> 4];
            text += Hex[c & 15];
        }
    }
    return text + "'";
}

} // namespace

bool parsePosition(const std::string& text, ParsedPosition& out, std::string* error)
{
    const std::size_t boardLength = std::min(text.find(' '), text.size());
    if (boardLength != Squares)
        return fail(error, std::to_string(boardLength) + " squares instead of 64");
    Bits black = 0;
    Bits white = 0;
    for (std::size_t square = 0; square < Squares; ++square) {
        const char c = text[square];
        if (c == 'X')
            black |= bitOf(int(square));
        else if (c == 'O')
            white |= bitOf(int(square));
        else if (c != '-')
            return fail(error, "bad square " + quoted(std::string(1, c)) + " at " + squareName(int(square)) +
                                   " (X, O or - expected)");
    }
    const std::string side = text.substr(std::min(text.size(), Squares + 1));
    if (side.empty())
        return fail(error, "no side to move (X or O after one space)");
    if (side[0] != 'X' && side[0] != 'O')
        return fail(error, "bad side to move " + quoted(side.substr(0, 1)) + " (X or O expected)");
    if (side.size() > 1)
        return fail(error, "extra characters after the side to move: " + quoted(side.substr(1)));
    out.blackToMove = side[0] == 'X';
    out.position = out.blackToMove ? Position{black, white} : Position{white, black};
    return true;
}

std::string positionText(const Position& position, bool blackToMove)
{
    const Bits black = blackToMove ? position.player : position.opponent;
    const Bits white = blackToMove ? position.opponent : position.player;
    std::string text(Squares, '-');
    for (std::size_t square = 0; square < Squares; ++square) {
        if (black & bitOf(int(square)))
            text[square] = 'X';
        else if (white & bitOf(int(square)))
            text[square] = 'O';
    }
    return text + (blackToMove ? " X" : " O");
}

std::string squareName(int square)
{
    return {char('a' + square % 8), char('1' + square / 8)};
}

int squareFromName(const std::string& name)
{
    if (name.size() != 2)
        return -1;
    const char file = char(std::tolower(static_cast<unsigned char>(name[0])));
    if (file < 'a' || file > 'h' || name[1] < '1' || name[1] > '8')
        return -1;
    return (name[1] - '1') * 8 + (file - 'a');
}

} // namespace engine
