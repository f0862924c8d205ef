// Playing moves: the writes, the returned count and the particle burst spawned for each write.
#include "rules/Board.h"
#include "tests/particles/PoolProbe.h"
#include "tests/rules/BoardSetup.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

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

class Move : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        pool::drain();
        ASSERT_EQ(pool::liveBursts(), 0);
        Board::instance()->reset();
    }
};

TEST_F(Move, OpeningMoveFlipsOneDiscWithABurstPerWrite)
{
    Board& board = *Board::instance();
    EXPECT_EQ(board.playMove(3, 5, Black), 1);
    EXPECT_EQ(board.cellValue(3, 5), Black);
    EXPECT_EQ(board.cellValue(4, 5), Black);
    EXPECT_EQ(board.count(Black), 4);
    EXPECT_EQ(board.count(White), 1);
    EXPECT_EQ(burstSquares(), (std::vector<Square>{{3, 5}, {4, 5}}));

    const ParticleBurst* burst = pool::burstAt(0);
    ASSERT_NE(burst, nullptr);
    EXPECT_EQ(burst->spawnValue(), 1.0f);
    EXPECT_EQ(burst->particleCount(), 2u);
    EXPECT_EQ(burst->lifetime(), 0.5f);
    EXPECT_EQ(burst->spawnTriple(), (std::array<float, 3>{0.5f, 0.5f, 0.5f}));
    EXPECT_EQ(burst->occupiedSlots(), 2);

    // The same square again is occupied now.
    const boardsetup::Snapshot after = boardsetup::snapshot();
    EXPECT_EQ(board.playMove(3, 5, Black), 0);
    EXPECT_EQ(boardsetup::snapshot(), after);
    EXPECT_EQ(pool::liveBursts(), 2);
}

TEST_F(Move, MoveThatCapturesNothingChangesNothing)
{
    const boardsetup::Snapshot before = boardsetup::snapshot();
    const struct {
        std::uint8_t x, y;
        Cell colour;
    } illegal[] = {{1, 1, Black}, {4, 4, Black}, {3, 5, White}, {0, 5, Black}, {10, 4, White}};
    for (const auto& m : illegal) {
        SCOPED_TRACE(testing::Message() << int(m.x) << "," << int(m.y));
        EXPECT_EQ(Board::instance()->playMove(m.x, m.y, m.colour), 0);
        EXPECT_EQ(boardsetup::snapshot(), before);
        EXPECT_EQ(pool::liveBursts(), 0);
    }
}

TEST_F(Move, TwoDirectionCaptureWritesThePlayedSquareTwice)
{
    Board& board = *Board::instance();
    ASSERT_EQ(board.playMove(3, 5, Black), 1);
    ASSERT_EQ(board.playMove(3, 4, White), 1);
    ASSERT_EQ(board.flipCount(3, 3, Black), 2);
    EXPECT_EQ(board.playMove(3, 3, Black), 2);

    // Direction (0, +1) first, then (+1, +1); each from the played square outward.
    EXPECT_EQ(burstSquares(), (std::vector<Square>{{3, 5}, {4, 5}, {3, 4}, {4, 4},
                                                   {3, 3}, {3, 4}, {3, 3}, {4, 4}}));
    EXPECT_EQ(board.count(Black), 6);
    EXPECT_EQ(board.count(White), 1);
    EXPECT_EQ(board.cellValue(5, 4), White);
}

TEST_F(Move, ThreeDirectionCaptureSpawnsThreeBurstsOnThePlayedSquare)
{
    boardsetup::set({".WB", "WW", "B.B"});
    EXPECT_EQ(Board::instance()->playMove(1, 1, Black), 3);
    EXPECT_EQ(burstSquares(), (std::vector<Square>{{1, 1}, {1, 2}, {1, 1}, {2, 1}, {1, 1}, {2, 2}}));
    EXPECT_EQ(Board::instance()->count(White), 0);
    EXPECT_EQ(Board::instance()->count(Black), 7);
}

TEST_F(Move, LinesEndingInWallOrGapStay)
{
    // From (5, 5): towards x = 0 the line runs into the wall, towards y = 0 into a gap, and
    // towards x = 9 it is closed by Black.
    boardsetup::set({"", "", "....W", "....W", "WWWW.WB", "", "", ""});
    Board& board = *Board::instance();
    EXPECT_EQ(board.playMove(5, 5, Black), 1);
    EXPECT_EQ(board.cellValue(6, 5), Black);
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(board.cellValue(std::uint8_t(x), 5), White) << x;
    EXPECT_EQ(board.cellValue(5, 3), White);
    EXPECT_EQ(board.cellValue(5, 4), White);
}

TEST_F(Move, FullPoolChangesNoFlip)
{
    // Fill every slot with bursts that finish at the next update, so no waiting is needed after.
    for (int i = 0; i < ParticleSystem::EmitterSlots; ++i)
        ASSERT_NE(spawnBurst(1.0f, Vec3{9.0f, 9.0f, 9.0f}, 0, -1.0f, 0, 0, 0), nullptr);
    ASSERT_EQ(spawnBurst(1.0f, Vec3{}, 0, -1.0f, 0, 0, 0), nullptr);

    Board& board = *Board::instance();
    EXPECT_EQ(board.playMove(3, 5, Black), 1);
    EXPECT_EQ(board.playMove(3, 4, White), 1);
    EXPECT_EQ(board.playMove(3, 3, Black), 2);
    const boardsetup::Snapshot withFullPool = boardsetup::snapshot();
    for (const Vec3& o : pool::origins())
        EXPECT_EQ(o.x, 9.0f) << "a move burst found room in a full pool";

    ParticleSystem::instance()->update();
    ASSERT_EQ(pool::liveBursts(), 0);
    board.reset();
    board.playMove(3, 5, Black);
    board.playMove(3, 4, White);
    board.playMove(3, 3, Black);
    EXPECT_EQ(boardsetup::snapshot(), withFullPool);
}

} // namespace
