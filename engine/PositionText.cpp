#include "engine/PositionText.h"

#include "engine/PrintableBytes.h"

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

// The bytes as they can be quoted on one terminal line.
std::string quoted(const std::string& bytes)
{
    return printableBytes(bytes, Unprintable::Hex, '\'');
}

} // namespace

bool parsePosition(const std::string& text, ParsedPosition& out, std::string* error, const BoardGlyphs& glyphs)
{
    const std::string sides = std::string(1, glyphs.black) + " or " + glyphs.white;
    const std::size_t boardLength = std::min(text.find(' '), text.size());
    if (boardLength != Squares)
        return fail(error, std::to_string(boardLength) + " squares instead of 64");
    Bits black = 0;
    Bits white = 0;
    for (std::size_t square = 0; square < Squares; ++square) {
        const char c = text[square];
        if (c == glyphs.black)
            black |= bitOf(int(square));
        else if (c == glyphs.white)
            white |= bitOf(int(square));
        else if (c != glyphs.empty)
            return fail(error, "bad square " + quoted(std::string(1, c)) + " at " + squareName(int(square)) + " (" +
                                   glyphs.black + ", " + glyphs.white + " or " + glyphs.empty + " expected)");
    }
    const std::string side = text.substr(std::min(text.size(), Squares + 1));
    if (side.empty())
        return fail(error, "no side to move (" + sides + " after one space)");
    if (side[0] != glyphs.black && side[0] != glyphs.white)
        return fail(error, "bad side to move " + quoted(side.substr(0, 1)) + " (" + sides + " expected)");
    if (side.size() > 1)
        return fail(error, "extra characters after the side to move: " + quoted(side.substr(1)));
    out.blackToMove = side[0] == glyphs.black;
    out.position = out.blackToMove ? Position{black, white} : Position{white, black};
    return true;
}

std::string positionText(const Position& position, bool blackToMove, const BoardGlyphs& glyphs)
{
    const Bits black = blackToMove ? position.player : position.opponent;
    const Bits white = blackToMove ? position.opponent : position.player;
    std::string text(Squares, glyphs.empty);
    for (std::size_t square = 0; square < Squares; ++square) {
        if (black & bitOf(int(square)))
            text[square] = glyphs.black;
        else if (white & bitOf(int(square)))
            text[square] = glyphs.white;
    }
    return text + ' ' + (blackToMove ? glyphs.black : glyphs.white);
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
