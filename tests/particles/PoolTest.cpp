// The one particle pool: 32 slots filled from index 0, full as a normal outcome, finished
// bursts deleted by update.
#include "app/MoveBursts.h"
#include "particles/ParticleSystem.h"
#include "particles/Stopwatch.h"
#include "tests/particles/PoolProbe.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>

namespace {

class Pool : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        readyParticlePool(); // the texture, as the game's first match step gives it
        pool::drain();
        ASSERT_EQ(pool::liveBursts(), 0);
    }
    void TearDown() override { pool::drain(); }
};

TEST_F(Pool, IsOneReadyPoolWithATexture)
{
    ParticleSystem* system = ParticleSystem::instance();
    EXPECT_EQ(system, ParticleSystem::instance());
    EXPECT_TRUE(system->isReady());
    EXPECT_NE(system->texture(), 0u);
    EXPECT_EQ(glIsTexture(system->texture()), GL_TRUE);
    EXPECT_EQ(system->emitter(-1), nullptr);
    EXPECT_EQ(system->emitter(ParticleSystem::EmitterSlots), nullptr);
}

TEST_F(Pool, ThirtyThirdBurstFindsNoRoom)
{
    for (int i = 0; i < ParticleSystem::EmitterSlots; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(spawnBurst(1.0f, Vec3{float(i), 0.0f, 5.0f}, 2, 0.5f, 0.5f, 0.5f, 0.5f), nullptr);
    }
    EXPECT_EQ(spawnBurst(1.0f, Vec3{99.0f, 0.0f, 5.0f}, 2, 0.5f, 0.5f, 0.5f, 0.5f), nullptr);
    EXPECT_EQ(ParticleSystem::instance()->acquireBurst(), nullptr);

    const std::vector<Vec3> origins = pool::origins();
    ASSERT_EQ(origins.size(), std::size_t(ParticleSystem::EmitterSlots));
    for (int i = 0; i < ParticleSystem::EmitterSlots; ++i)
        EXPECT_EQ(origins[std::size_t(i)].x, float(i)) << "slots fill from index 0";
}

TEST_F(Pool, SpawnBurstStoresItsArgumentsAndEmits)
{
    const ParticleBurst* burst = spawnBurst(0.25f, Vec3{1.0f, 8.0f, 5.0f}, 3, 0.5f, 1.0f, 2.0f, 3.0f);
    ASSERT_NE(burst, nullptr);
    EXPECT_EQ(pool::burstAt(0), burst);
    EXPECT_EQ(burst->spawnValue(), 0.25f);
    EXPECT_EQ(burst->origin().x, 1.0f);
    EXPECT_EQ(burst->origin().y, 8.0f);
    EXPECT_EQ(burst->origin().z, 5.0f);
    EXPECT_EQ(burst->particleCount(), 3u);
    EXPECT_EQ(burst->lifetime(), 0.5f);
    EXPECT_EQ(burst->spawnTriple(), (std::array<float, 3>{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(burst->texture(), ParticleSystem::instance()->texture());
    EXPECT_EQ(burst->occupiedSlots(), 3);
    EXPECT_FALSE(burst->isFinished());
}

TEST_F(Pool, UpdateDeletesFinishedBurstsAndFreesTheirSlots)
{
    // Negative lifetimes are already over at the next update; 0.5 s ones are not.
    spawnBurst(1.0f, Vec3{0.0f, 0.0f, 0.0f}, 2, 0.5f, 0, 0, 0);
    spawnBurst(1.0f, Vec3{1.0f, 0.0f, 0.0f}, 2, -1.0f, 0, 0, 0);
    spawnBurst(1.0f, Vec3{2.0f, 0.0f, 0.0f}, 2, -1.0f, 0, 0, 0);
    spawnBurst(1.0f, Vec3{3.0f, 0.0f, 0.0f}, 2, 0.5f, 0, 0, 0);
    ParticleSystem::instance()->update();
    EXPECT_EQ(pool::liveBursts(), 2);
    EXPECT_NE(pool::burstAt(0), nullptr);
    EXPECT_EQ(pool::burstAt(1), nullptr);
    EXPECT_EQ(pool::burstAt(2), nullptr);

    const ParticleBurst* reused = spawnBurst(1.0f, Vec3{4.0f, 0.0f, 0.0f}, 2, 0.5f, 0, 0, 0);
    EXPECT_EQ(pool::burstAt(1), reused) << "the lowest free slot is taken first";

    // Once more than half a second has passed every move-sized burst is gone.
    SDL_Delay(pool::LongerThanABurstMs);
    ParticleSystem::instance()->update();
    EXPECT_EQ(pool::liveBursts(), 0);
}

TEST_F(Pool, StopwatchCountsSecondsFromSdlInit)
{
    // The fixture has started SDL, so the tick count is small and a float of seconds keeps
    // millisecond steps (counted from the epoch it would move in steps of 1/8 s or more).
    EXPECT_LT(SDL_GetTicks(), 1u << 24);

    // Only lower bounds: each comparison reads the later-started watch first.
    Stopwatch first;
    EXPECT_GE(first.elapsed(), 0.0f);
    SDL_Delay(50);
    Stopwatch second;
    const float secondElapsed = second.elapsed();
    EXPECT_GE(first.elapsed() - secondElapsed, 0.049f);

    SDL_Delay(50);
    first.reset(); // now the later one
    const float firstElapsed = first.elapsed();
    EXPECT_GE(second.elapsed() - firstElapsed, 0.049f);
}

} // namespace
