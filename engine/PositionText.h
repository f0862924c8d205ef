#pragma once
// The position text: 64 characters for a1, b1, ..., h1, a2, ..., h8 ('X' a Black disc, 'O' a White
// disc, '-' an empty square), one space, then the side to move, 'X' or 'O'. Start position:
// "---------------------------OX------XO--------------------------- X".
//
// The one codec of a board as text: the characters are a parameter (BoardGlyphs), so that a file
// format with glyphs of its own (GGF's '*' for Black) reads and writes its boards through it and
// lays out only its own blanks around them. A glyph set's three characters differ.
#include "engine/Position.h"

#include <string>

namespace engine {

struct BoardGlyphs {
    char black; // a Black disc, and Black to move
    char white; // a White disc, and White to move
    char empty;
};

// The command line's and the tests' glyphs.
constexpr BoardGlyphs PositionGlyphs{'X', 'O', '-'};

struct ParsedPosition {
    Position position; // as the side to move sees it
    bool blackToMove = true;
};

// Reads a position text written with `glyphs`. On failure returns false, leaves `out` alone and,
// when `error` is given, writes one line in English saying what is wrong.
bool parsePosition(const std::string& text, ParsedPosition& out, std::string* error,
                   const BoardGlyphs& glyphs = PositionGlyphs);
// The text of `position` with `blackToMove` telling which colour the side to move plays.
std::string positionText(const Position& position, bool blackToMove, const BoardGlyphs& glyphs = PositionGlyphs);

std::string squareName(int square);          // 0 -> "a1", 63 -> "h8"
int squareFromName(const std::string& name); // "a1" or "A1" -> 0; -1 when not a square name

} // namespace engine
