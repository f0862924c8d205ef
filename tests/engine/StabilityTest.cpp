// Stable discs: the ones the solver counts must really never flip, and the obvious ones are found.
#include "engine/Square.h"
#include "engine/Stability.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;

namespace {

TEST(Stability, FindsTheDiscsAnchoredByCornersEdgesAndFullLines)
{
    constexpr Bits Rank2 = Rank1 << 8;
    const struct {
        const char* what;
        Bits discs;
        Bits others; // the other side's discs
        Bits stable;
    } cases[] = {
        {"a lone corner", bitOf(A1), 0, bitOf(A1)},
        {"an X-square beside an empty corner", bitOf(B2), bitOf(C3), 0},
        {"an edge run from a corner", bitOf(A1) | bitOf(B1) | bitOf(C1), bitOf(D1), bitOf(A1) | bitOf(B1) | bitOf(C1)},
        {"an edge run cut off from the corner", bitOf(B1) | bitOf(C1), bitOf(D1), 0},
        {"a full edge, both colours", bitOf(A1) | bitOf(C1) | bitOf(E1), Rank1 & ~(bitOf(A1) | bitOf(C1) | bitOf(E1)),
         bitOf(A1) | bitOf(C1) | bitOf(E1)},
        {"a corner square: b2 open along a3-c1", bitOf(A1) | bitOf(B1) | bitOf(A2) | bitOf(B2), 0,
         bitOf(A1) | bitOf(B1) | bitOf(A2)},
        {"a corner triangle", bitOf(A1) | bitOf(B1) | bitOf(C1) | bitOf(A2) | bitOf(B2) | bitOf(A3), 0,
         bitOf(A1) | bitOf(B1) | bitOf(C1) | bitOf(A2) | bitOf(B2) | bitOf(A3)},
        {"two full ranks: the inner one's discs have empty diagonals", Rank1 | (Rank2 & ~bitOf(D2)), bitOf(D2),
         Rank1 | bitOf(A2) | bitOf(B2) | bitOf(C2) | bitOf(E2) | bitOf(F2) | bitOf(G2) | bitOf(H2)},
        {"a full board", 0x00000000ffffffffULL, 0xffffffff00000000ULL, 0x00000000ffffffffULL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stableDiscs(c.discs, c.discs | c.others), c.stable) << c.what;
}

TEST(Stability, StableDiscsNeverFlipInRandomContinuations)
{
    std::mt19937 random(7321);
    for (int trial = 0; trial < 400; ++trial) {
        bool blackToMove = true;
        const Position start = randomplay::playDownTo(4 + trial % 40, random, &blackToMove);
        const Bits occupied = start.player | start.opponent;
        const Bits playerStable = stableDiscs(start.player, occupied);
        const Bits opponentStable = stableDiscs(start.opponent, occupied);
        ASSERT_EQ(playerStable & ~start.player, 0u);
        ASSERT_EQ(opponentStable & ~start.opponent, 0u);
        for (int game = 0; game < 8; ++game) {
            Position p = start;
            bool sameSides = true; // p.player is start.player's colour
            while (!p.isOver()) {
                if (p.moves())
                    play(p, engine::randomSquare(p.moves(), random));
                else
                    pass(p);
                sameSides = !sameSides;
                const Bits first = sameSides ? p.player : p.opponent;
                const Bits second = sameSides ? p.opponent : p.player;
                ASSERT_EQ(playerStable & ~first, 0u) << "trial " << trial;
                ASSERT_EQ(opponentStable & ~second, 0u) << "trial " << trial;
            }
        }
    }
}

} // namespace
