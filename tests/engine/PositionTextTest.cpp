// Reading and writing the position text, and square names.
#include "engine/PositionText.h"

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
