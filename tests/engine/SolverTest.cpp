// The exact solver against a plain minimax, and on positions counted by hand.
#include "engine/PositionText.h"
#include "engine/Search.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace engine;

namespace {

// Every line to the end of the game, no pruning, no ordering, no table.
int minimax(Position p)
{
    Bits moves = p.moves();
    if (!moves) {
        if (!legalMoves(p.opponent, p.player))
            return p.finalDiff();
        pass(p);
        return -minimax(p);
    }
    int best = -64;
    for (; moves; moves &= moves - 1) {
        Position child = p;
        play(child, firstSquare(moves));
        best = std::max(best, -minimax(child));
    }
    return best;
}

TEST(Solver, AgreesWithMinimaxOnRandomEndings)
{
    std::mt19937 random(1234);
    Search search(4, 1);
    for (int i = 0; i < 28; ++i) {
        const int empties = 4 + i % 7; // 4 to 10
        const Position p = randomplay::playDownTo(empties, random);
        if (p.isOver())
            continue;
        SCOPED_TRACE(positionText(p, true));
        const int expected = minimax(p);
        const SearchResult solved = search.solve(p);
        EXPECT_TRUE(solved.exact);
        EXPECT_EQ(solved.score, expected);
        if (solved.move >= 0) {
            // The move reaches the value.
            Position child = p;
            play(child, solved.move);
            EXPECT_EQ(-minimax(child), expected);
        } else {
            EXPECT_EQ(p.moves(), 0u);
        }
        // The game's own choice near the end is the exact one too.
        const SearchResult chosen = search.chooseMove(p, 3);
        EXPECT_TRUE(chosen.exact);
        EXPECT_EQ(chosen.score, expected);
    }
}

TEST(Solver, HandCountedPositions)
{
    struct Case {
        const char* name;
        std::string board; // ranks 1 to 8, X to move
        int move;          // -1: X must pass
        int score;
    };
    const std::string whiteRanks(56, 'O');
    const Case cases[] = {
        // One empty square, a1: X takes b1-g1 (6 discs) against h1 and ends with 8 discs to 56.
        {"last square", "-OOOOOOX" + whiteRanks, 0, 8 - 56},
        // X cannot move; O plays c1, takes b1 and wipes X out: all 64 squares go to O.
        {"forced pass", "OX" + std::string(62, '-'), -1, -64},
        // X plays c1 (its only move), taking b1; nobody can move after, X leads 3 to 1 and gets
        // the 60 empty squares.
        {"empties to the winner", "XO" + std::string(61, '-') + "O", 2, 62},
    };
    Search search(1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedPosition parsed;
        ASSERT_TRUE(parsePosition(c.board + " X", parsed, nullptr));
        const SearchResult solved = search.solve(parsed.position);
        EXPECT_TRUE(solved.exact);
        EXPECT_EQ(solved.move, c.move);
        EXPECT_EQ(solved.score, c.score);
    }
}

} // namespace
