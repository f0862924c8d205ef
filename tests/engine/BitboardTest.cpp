// Move generation, play and take back, and perft on the engine's own bitboards.
#include "engine/Perft.h"
#include "engine/Position.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

using namespace engine;

namespace {

TEST(EnginePerft, MatchesKnownCountsToDepthEight)
{
    const std::uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (int depth = 1; depth <= 8; ++depth)
        EXPECT_EQ(perft(Position::start(), depth), expected[depth - 1]) << "depth " << depth;
}

TEST(EnginePerft, PassIsOnePlyAndAFinishedGameOneLeaf)
{
    // Lone discs in opposite corners: nobody can move, the game is over.
    EXPECT_EQ(perft(Position{bitOf(0), bitOf(63)}, 3), 1u);
    // Black b1, White a1: Black cannot move; White's only move, c1, takes b1 and ends the game.
    const Position mustPass{bitOf(1), bitOf(0)};
    ASSERT_EQ(mustPass.moves(), 0u);
    EXPECT_EQ(perft(mustPass, 1), 1u);
    EXPECT_EQ(perft(mustPass, 2), 1u);
    EXPECT_EQ(perft(mustPass, 6), 1u);
}

TEST(EnginePlay, TakingBackRestoresEveryPositionOfRandomGames)
{
    std::mt19937 random(20240501);
    for (int game = 0; game < 50; ++game) {
        Position p = Position::start();
        while (!p.isOver()) {
            Bits moves = p.moves();
            if (!moves) {
                pass(p);
                continue;
            }
            for (; moves; moves &= moves - 1) {
                const int square = firstSquare(moves);
                const Position before = p;
                const Bits expected = flipsOf(p.player, p.opponent, square);
                ASSERT_NE(expected, 0u);
                const Bits flipped = play(p, square);
                ASSERT_EQ(flipped, expected);
                EXPECT_EQ(p.player & p.opponent, 0u);
                EXPECT_EQ(popCount(p.player | p.opponent), popCount(before.player | before.opponent) + 1);
                undo(p, square, flipped);
                ASSERT_EQ(p, before);
            }
            play(p, engine::randomSquare(p.moves(), random));
        }
    }
}

TEST(EngineFlips, LastSquareCountsMatchTheFlipsOnEveryFullBoard)
{
    // Every square left empty on boards of random colours (mixed, then mostly one side's, for long
    // runs), edges and corners included, for both sides.
    std::mt19937_64 random(63);
    for (int board = 0; board < 600; ++board) {
        const Bits discs = board % 3 == 0   ? random()
                           : board % 3 == 1 ? random() & random() & random()
                                            : random() | random();
        for (int square = 0; square < 64; ++square) {
            const Bits player = discs & ~bitOf(square);
            const Bits opponent = ~discs & ~bitOf(square);
            ASSERT_EQ(lastFlipCount(player, square), popCount(flipsOf(player, opponent, square)))
                << "square " << square << " discs " << std::hex << discs;
            ASSERT_EQ(lastFlipCount(opponent, square), popCount(flipsOf(opponent, player, square)))
                << "square " << square << " discs " << std::hex << discs;
        }
    }
}

} // namespace
