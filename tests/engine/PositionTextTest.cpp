// Reading and writing the position text with any glyph set, square names, and stray bytes shown
// on one line.
#include "engine/PositionText.h"
#include "engine/PrintableBytes.h"

#include <gtest/gtest.h>

#include <string>

using namespace engine;

namespace {

const std::string StartBoard = "---------------------------OX------XO---------------------------";

TEST(PositionText, ReadsGoodTextsAndExplainsBadOnes)
{
    struct Case {
        std::string text;
        const char* error; // nullptr: the text is good
    };
    const Case cases[] = {
        {StartBoard + " X", nullptr},
        {StartBoard + " O", nullptr},
        {StartBoard.substr(1) + " X", "position: 63 squares instead of 64"},
        {StartBoard + "- X", "position: 65 squares instead of 64"},
        {"", "position: 0 squares instead of 64"},
        {"x" + StartBoard.substr(1) + " X", "position: bad square 'x' at a1 (X, O or - expected)"},
        {StartBoard.substr(0, 63) + "." + " X", "position: bad square '.' at h8 (X, O or - expected)"},
        {StartBoard, "position: no side to move (X or O after one space)"},
        {StartBoard + " ", "position: no side to move (X or O after one space)"},
        {StartBoard + " B", "position: bad side to move 'B' (X or O expected)"},
        {StartBoard + " X\n", "position: extra characters after the side to move: '\\x0a'"},
        {StartBoard + " XO", "position: extra characters after the side to move: 'O'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ParsedPosition parsed;
        std::string error;
        EXPECT_EQ(parsePosition(c.text, parsed, &error), c.error == nullptr);
        if (c.error) {
            EXPECT_EQ(error, c.error);
        } else {
            EXPECT_EQ(positionText(parsed.position, parsed.blackToMove), c.text);
        }
    }
}

TEST(PositionText, StartPositionWithBlackToMove)
{
    ParsedPosition parsed;
    ASSERT_TRUE(parsePosition(StartBoard + " X", parsed, nullptr));
    EXPECT_TRUE(parsed.blackToMove);
    EXPECT_EQ(parsed.position, Position::start());
    // Black's moves are d3, c4, f5 and e6.
    Bits expected = 0;
    for (const char* name : {"d3", "c4", "f5", "e6"})
        expected |= bitOf(squareFromName(name));
    EXPECT_EQ(parsed.position.moves(), expected);
}

TEST(PositionText, ReadsAndWritesWithTheGlyphsItIsGiven)
{
    constexpr BoardGlyphs Ggf{'*', 'O', '-'};
    constexpr BoardGlyphs Letters{'B', 'W', '.'};
    const std::string ggfStart = "---------------------------O*------*O---------------------------";
    const std::string lettersStart = "...........................WB......BW...........................";
    struct Case {
        const char* what;
        const BoardGlyphs& glyphs;
        std::string text;
        const char* error; // nullptr: the text is good and is the start position
        bool blackToMove = true;
    };
    const Case cases[] = {
        {"GGF's glyphs, Black to move", Ggf, ggfStart + " *", nullptr},
        {"GGF's glyphs, White to move", Ggf, ggfStart + " O", nullptr, false},
        {"a set of letters", Letters, lettersStart + " W", nullptr, false},
        {"another set's disc", Ggf, "X" + ggfStart.substr(1) + " *", "position: bad square 'X' at a1 (*, O or - expected)"},
        {"another set's empty square", Letters, "-" + lettersStart.substr(1) + " B",
         "position: bad square '-' at a1 (B, W or . expected)"},
        {"another set's side", Ggf, ggfStart + " X", "position: bad side to move 'X' (* or O expected)"},
        {"no side", Letters, lettersStart, "position: no side to move (B or W after one space)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParsedPosition parsed;
        std::string error;
        EXPECT_EQ(parsePosition(c.text, parsed, &error, c.glyphs), c.error == nullptr);
        if (c.error) {
            EXPECT_EQ(error, c.error);
            continue;
        }
        EXPECT_EQ(parsed.blackToMove, c.blackToMove);
        const Position start = Position::start(); // Black to move
        const Position whiteToMove{start.opponent, start.player};
        EXPECT_EQ(parsed.position, c.blackToMove ? start : whiteToMove);
        EXPECT_EQ(positionText(parsed.position, parsed.blackToMove, c.glyphs), c.text);
    }
}

TEST(PrintableBytes, EachByteAsItsStyleSays)
{
    struct Case {
        std::string bytes;
        Unprintable how;
        char quote;
        const char* shown;
    };
    const Case cases[] = {
        {"plain ASCII ~", Unprintable::Hex, '\0', "plain ASCII ~"},
        {"\n\t\x1b", Unprintable::Hex, '\0', "\\x0a\\x09\\x1b"},
        {std::string(1, '\0'), Unprintable::Hex, '\0', "\\x00"},
        {"\x7f\x80\xff", Unprintable::Hex, '\0', "\\x7f\\x80\\xff"},
        {"a\\b", Unprintable::Hex, '\0', "a\\x5cb"},
        {"it's", Unprintable::Hex, '\'', "'it\\x27s'"},
        {"say \"hi\"", Unprintable::Hex, '"', "\"say \\x22hi\\x22\""},
        {"", Unprintable::Hex, '\'', "''"},
        {"\x1b" "c", Unprintable::Mask, '\0', "?c"},
        {"\x7f\r\n", Unprintable::Mask, '\0', "???"},
        {"Joueur \xc3\xa9 a\\b", Unprintable::Mask, '\0', "Joueur \xc3\xa9 a\\b"},
        {"it's", Unprintable::Mask, '\'', "'it?s'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(printableBytes(c.bytes, c.how, c.quote), c.shown);
    }
}

TEST(PositionText, SquareNames)
{
    for (int square = 0; square < 64; ++square)
        EXPECT_EQ(squareFromName(squareName(square)), square);
    EXPECT_EQ(squareName(0), "a1");
    EXPECT_EQ(squareName(63), "h8");
    EXPECT_EQ(squareFromName("H8"), 63);
    for (const char* bad : {"", "a", "i1", "a9", "a0", "a10", "1a"})
        EXPECT_EQ(squareFromName(bad), -1) << bad;
}

} // namespace
