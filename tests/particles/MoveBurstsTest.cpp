// The bursts of the moves played: one per square a move wrote, in the order written, with the
// game's parameters, spawned in the match's step once the pool has aged; a full pool changes no
// flip. The pool's texture needs a GL context.
#include "app/MoveBursts.h"
#include "rules/Board.h"
#include "rules/Match.h"
#include "tests/particles/PoolProbe.h"
#include "tests/rules/BoardSetup.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using Square = std::pair<int, int>;

// Burst origins as the squares they were spawned on; every move burst sits at height 5.
std::vector<Square> burstSquares()
{
    std::vector<Square> squares;
    for (const Vec3& o : pool::origins()) {
        EXPECT_EQ(o.z, 5.0f);
        squares.push_back({int(o.x), int(o.y)});
    }
    return squares;
}

// An empty pool that has its texture.
class EmptyPool : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        readyParticlePool();
        pool::drain();
        ASSERT_EQ(pool::liveBursts(), 0);
    }
    void TearDown() override { pool::drain(); }
};

class Move : public EmptyPool {
protected:
    void SetUp() override
    {
        EmptyPool::SetUp();
        Board::instance()->reset();
    }

    // The move with its bursts, as the match's step plays it.
    static std::uint8_t play(std::uint8_t x, std::uint8_t y, Cell colour)
    {
        WrittenSquares written;
        const std::uint8_t flips = Board::instance()->playMove(x, y, colour, written);
        spawnMoveBursts(written);
        return flips;
    }
};

TEST_F(Move, FullPoolChangesNoFlip)
{
    // Fill every slot with bursts that finish at the next update, so no waiting is needed after.
    for (int i = 0; i < ParticleSystem::EmitterSlots; ++i)
        ASSERT_NE(spawnBurst(1.0f, Vec3{9.0f, 9.0f, 9.0f}, 0, -1.0f, 0, 0, 0), nullptr);
    ASSERT_EQ(spawnBurst(1.0f, Vec3{}, 0, -1.0f, 0, 0, 0), nullptr);

    Board& board = *Board::instance();
    EXPECT_EQ(play(3, 5, Black), 1);
    EXPECT_EQ(play(3, 4, White), 1);
    EXPECT_EQ(play(3, 3, Black), 2);
    const boardsetup::Snapshot withFullPool = boardsetup::snapshot();
    for (const Vec3& o : pool::origins())
        EXPECT_EQ(o.x, 9.0f) << "a move burst found room in a full pool";

    ParticleSystem::instance()->update();
    ASSERT_EQ(pool::liveBursts(), 0);
    board.reset();
    play(3, 5, Black);
    play(3, 4, White);
    play(3, 3, Black);
    EXPECT_EQ(boardsetup::snapshot(), withFullPool);
}

class MatchPlay : public EmptyPool {
protected:
    void SetUp() override
    {
        EmptyPool::SetUp();
        auto one = std::make_unique<HumanPlayer>(1, "Joueur 1");
        m_one = one.get();
        match().start(std::move(one), std::make_unique<HumanPlayer>(2, "Joueur 2"));
    }
    void TearDown() override
    {
        Match::destroyInstance();
        EmptyPool::TearDown();
    }

    static Match& match() { return *Match::instance(); }

    Player* m_one = nullptr;
};

TEST_F(MatchPlay, StepWithNothingSubmittedOnlyAgesTheParticles)
{
    ASSERT_NE(spawnBurst(1.0f, Vec3{}, 0, -1.0f, 0, 0, 0), nullptr); // finishes at once
    const boardsetup::Snapshot before = boardsetup::snapshot();
    stepMatchWithBursts(match());
    EXPECT_EQ(pool::liveBursts(), 0) << "step must run the pool's update";
    EXPECT_EQ(boardsetup::snapshot(), before);
    EXPECT_EQ(match().turn(), 1);
    EXPECT_EQ(m_one->score(), 2);
}

using MoveBursts = MatchPlay;

TEST_F(MoveBursts, OneBurstPerWrittenSquareInOrderAfterThePoolAges)
{
    // A burst that finishes at the next update holds slot 0: the step must free it first.
    ASSERT_NE(spawnBurst(1.0f, Vec3{9.0f, 9.0f, 9.0f}, 0, -1.0f, 0, 0, 0), nullptr);
    match().submitMove(CellPos{3, 5});
    stepMatchWithBursts(match());
    EXPECT_EQ(burstSquares(), (std::vector<Square>{{3, 5}, {4, 5}}));
    for (int slot : {0, 1}) {
        SCOPED_TRACE(slot);
        const ParticleBurst* burst = pool::burstAt(slot);
        ASSERT_NE(burst, nullptr);
        EXPECT_EQ(burst->spawnValue(), 1.0f);
        EXPECT_EQ(burst->particleCount(), 2u);
        EXPECT_EQ(burst->lifetime(), 0.5f);
        EXPECT_EQ(burst->spawnTriple(), (std::array<float, 3>{0.5f, 0.5f, 0.5f}));
        EXPECT_EQ(burst->occupiedSlots(), 2);
        EXPECT_EQ(burst->texture(), ParticleSystem::instance()->texture());
    }

    // An occupied square bursts nothing; a capture in two directions bursts the played square twice.
    match().submitMove(CellPos{3, 5});
    stepMatchWithBursts(match());
    EXPECT_EQ(pool::liveBursts(), 2);
    match().submitMove(CellPos{3, 4});
    stepMatchWithBursts(match());
    match().submitMove(CellPos{3, 3});
    stepMatchWithBursts(match());
    EXPECT_EQ(burstSquares(), (std::vector<Square>{{3, 5}, {4, 5}, {3, 4}, {4, 4},
                                                   {3, 3}, {3, 4}, {3, 3}, {4, 4}}));
}

} // namespace
