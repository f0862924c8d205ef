// The named openings: every line a legal game from the start, names unique and valid Windows-1252,
// and a game named by the longest line it went through under the start's four turns.
#include "engine/Openings.h"
#include "engine/Position.h"
#include "engine/PositionText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace engine;

namespace {

// "f5d6c3" -> squares, read with the engine's own square names; -1 for a bad name.
std::vector<int> squaresOf(const std::string& text)
{
    std::vector<int> squares;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        squares.push_back(squareFromName(text.substr(i, 2)));
    return squares;
}

// The start's four turns, written from files and ranks: identity, half turn, the a1-h8 and the
// a8-h1 reflections.
int turned(int square, int turn)
{
    const int file = square % 8;
    const int rank = square / 8;
    switch (turn) {
    case 1: return (7 - rank) * 8 + (7 - file);
    case 2: return file * 8 + rank;
    case 3: return (7 - file) * 8 + (7 - rank);
    default: return square;
    }
}

std::vector<int> turnedAll(std::vector<int> squares, int turn)
{
    for (int& square : squares)
        square = turned(square, turn);
    return squares;
}

// Plays `squares` from the start; false at the first illegal one.
bool playsFromStart(const std::vector<int>& squares, Position* end = nullptr)
{
    Position position = Position::start();
    for (int square : squares) {
        if (square < 0 || (position.moves() & bitOf(square)) == 0)
            return false;
        play(position, square);
    }
    if (end != nullptr)
        *end = position;
    return true;
}

const Opening* named(const char* name)
{
    for (const Opening& opening : openings())
        if (std::string(opening.name) == name)
            return &opening;
    return nullptr;
}

TEST(Openings, EveryLineIsALegalGameFromTheStartOpenedWithF5)
{
    EXPECT_GE(openings().count, 70u);
    for (const Opening& opening : openings()) {
        SCOPED_TRACE(opening.name);
        const std::vector<int> squares = squaresOf(opening.moves);
        EXPECT_EQ(std::string(opening.moves).size(), 2 * squares.size());
        EXPECT_EQ(openingMoves(opening), squares);
        ASSERT_FALSE(squares.empty());
        EXPECT_EQ(squares[0], squareFromName("f5"));
        EXPECT_TRUE(playsFromStart(squares));
    }
}

TEST(Openings, NamesAreUniqueAndWindows1252)
{
    std::set<std::string> names;
    for (const Opening& opening : openings()) {
        const std::string name = opening.name;
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "named twice";
        EXPECT_FALSE(name.empty());
        for (std::size_t i = 0; i < name.size(); ++i) {
            const unsigned char byte = static_cast<unsigned char>(name[i]);
            EXPECT_GE(byte, 0x20) << "control byte at " << i;
            EXPECT_NE(byte, 0x7F);
            // The five bytes Windows-1252 leaves undefined.
            EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D);
            // A UTF-8 lead byte followed by a continuation byte: the text was saved as UTF-8.
            if (byte >= 0xC2 && byte <= 0xF4 && i + 1 < name.size()) {
                const unsigned char next = static_cast<unsigned char>(name[i + 1]);
                EXPECT_FALSE(next >= 0x80 && next <= 0xBF) << "UTF-8 sequence at " << i;
            }
        }
    }
    // The accented French names, byte for byte.
    EXPECT_NE(named("Parall\xE8le"), nullptr);
    EXPECT_NE(named("Chemin\xE9" "e"), nullptr);
}

TEST(Openings, NoTwoLinesReachTheSamePositionUnderTheFourTurns)
{
    std::set<std::pair<Bits, Bits>> seen;
    for (const Opening& opening : openings()) {
        SCOPED_TRACE(opening.name);
        Position end;
        ASSERT_TRUE(playsFromStart(squaresOf(opening.moves), &end));
        EXPECT_TRUE(seen.insert({end.player, end.opponent}).second) << "same position as another line";
        // The other turns of the same line (they reach the turned positions, never seen before).
        for (int turn = 1; turn < 4; ++turn) {
            Position image;
            ASSERT_TRUE(playsFromStart(turnedAll(squaresOf(opening.moves), turn), &image));
            seen.insert({image.player, image.opponent});
        }
    }
}

TEST(Openings, EachLineNamesItselfUnderTheFourTurns)
{
    for (int turn = 0; turn < 4; ++turn) {
        for (const Opening& opening : openings()) {
            SCOPED_TRACE(std::string(opening.name) + " turn " + std::to_string(turn));
            const std::vector<int> game = turnedAll(squaresOf(opening.moves), turn);
            const OpeningMatch match = recogniseOpening(game);
            EXPECT_EQ(match.opening, &opening);
            EXPECT_EQ(match.length, static_cast<int>(game.size()));
            EXPECT_TRUE(match.current);
        }
    }
}

TEST(Openings, TheLongestLineTheGameWentThroughNamesIt)
{
    struct Case {
        const char* game;
        std::vector<int> tail; // raw entries after the game's moves (passes, bad squares)
        const char* name;      // nullptr: no opening
        int length;
        bool current;
    };
    const Case cases[] = {
        {"", {}, nullptr, 0, false},
        {"f5", {}, nullptr, 0, false},
        {"f5d6", {}, "Perpendiculaire", 2, true},
        {"f5f6", {}, "Diagonale", 2, true},
        // Parallel under the four turns: each turn of the first two moves.
        {"f5f4", {}, "Parall\xE8le", 2, true},
        {"c4c5", {}, "Parall\xE8le", 2, true},
        {"e6d6", {}, "Parall\xE8le", 2, true},
        {"d3e3", {}, "Parall\xE8le", 2, true},
        {"f5d6c3", {}, "Perpendiculaire", 2, false}, // no named line of three moves
        {"f5d6c5", {}, "Perpendiculaire", 2, false},
        {"f5d6c3d3c4", {}, "Tigre", 5, true},
        {"f5d6c3d3c4f4", {}, "Tigre", 5, false}, // on the way to Stephenson, not there yet
        {"f5d6c3d3c4f4f6", {}, "Stephenson", 7, true},
        {"f5d6c3d3c4f4f6g5", {}, "No-Kung", 8, true},
        {"f5d6c3d3c4f4f6g5e3", {}, "No-Kung", 8, false},
        {"f5d6c3d3c4f4f6g5e3f3g4h3g3f2", {}, "No-Kung (Continuation)", 14, true},
        {"f5d6c3d3c4f4c5b4b5c6f3e6e3g6f6g5d7g3", {}, "Mainline Tiger", 18, true},
        {"f5d6c3d3c4b3", {}, "Aubrey", 6, true},
        {"f5f6e6f4c3", {}, "Buffle", 5, true},
        // After f5 f6 e6 the board is symmetric again: d6 is f4 turned, the same Buffalo.
        {"f5f6e6d6c3", {}, "Buffle", 5, true},
        {"e6f6f5f4c3", {}, "Buffle", 5, true},
        // Reading stops at a pass, an illegal move or a square off the board; what came before stays.
        {"f5d6c3d3c4", {-1, squareFromName("f4")}, "Tigre", 5, false},
        {"f5d6c3d3c4", {squareFromName("a1")}, "Tigre", 5, false},
        {"f5d6", {64}, "Perpendiculaire", 2, false},
        {"", {squareFromName("a1")}, nullptr, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        std::vector<int> game = squaresOf(c.game);
        ASSERT_TRUE(playsFromStart(game)) << "the case's own moves are legal";
        game.insert(game.end(), c.tail.begin(), c.tail.end());
        const OpeningMatch match = recogniseOpening(game);
        if (c.name == nullptr) {
            EXPECT_EQ(match.opening, nullptr);
        } else {
            ASSERT_NE(match.opening, nullptr);
            EXPECT_STREQ(match.opening->name, c.name);
        }
        EXPECT_EQ(match.length, c.length);
        EXPECT_EQ(match.current, c.current);
    }
}

} // namespace
