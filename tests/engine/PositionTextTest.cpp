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
        {StartBoard.substr(1) + " X", "position : 63 cases au lieu de 64"},
        {StartBoard + "- X", "position : 65 cases au lieu de 64"},
        {"", "position : 0 cases au lieu de 64"},
        {"x" + StartBoard.substr(1) + " X", "position : caractère « x » invalide en a1 (X, O ou - attendu)"},
        {StartBoard.substr(0, 63) + "." + " X", "position : caractère « . » invalide en h8 (X, O ou - attendu)"},
        {StartBoard, "position : camp au trait manquant (X ou O après une espace)"},
        {StartBoard + " ", "position : camp au trait manquant (X ou O après une espace)"},
        {StartBoard + " B", "position : camp au trait « B » invalide (X ou O attendu)"},
        {StartBoard + " X\n", "position : caractères en trop après le camp au trait : « \n »"},
        {StartBoard + " XO", "position : caractères en trop après le camp au trait : « O »"},
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
