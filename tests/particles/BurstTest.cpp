// One burst on its own, outside the pool: what emit creates and when update finishes it.
#include "particles/ParticleBurst.h"
#include "particles/Random.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::uint32_t Texture = 7;

// The value rand() returns after `draws` draws from `seed`.
int randAfter(unsigned seed, int draws)
{
    std::srand(seed);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand();
}

std::unique_ptr<ParticleBurst> emitted(std::uint32_t count,
                                       const Vec3& origin = Vec3{3.0f, 4.0f, 5.0f},
                                       float lifetime = 0.5f)
{
    auto burst = std::make_unique<ParticleBurst>(Texture);
    burst->setOrigin(origin);
    burst->setParticleCount(count);
    burst->setLifetime(lifetime);
    burst->emit();
    return burst;
}

TEST(Burst, CountOfTwoScattersTwoParticlesAroundTheOrigin)
{
    std::srand(2024);
    for (int round = 0; round < 200; ++round) {
        const auto burst = emitted(2);
        ASSERT_EQ(burst->occupiedSlots(), 2);
        EXPECT_EQ(burst->freeSlot(), 2);
        for (int slot = 0; slot < 2; ++slot) {
            const Particle* p = burst->particle(slot);
            ASSERT_NE(p, nullptr);
            const Vec3& off = p->offset();
            const float radius = std::hypot(off.x, off.y);
            EXPECT_NEAR(radius, off.z, 1e-5f);
            EXPECT_GE(off.z, 0.5f);
            EXPECT_LE(off.z, 2.0f);
            EXPECT_FLOAT_EQ(p->velocity().x, -off.x / 6);
            EXPECT_FLOAT_EQ(p->velocity().y, -off.y / 6);
            EXPECT_FLOAT_EQ(p->velocity().z, -off.z / 6);
            EXPECT_EQ(p->origin().x, 3.0f);
            EXPECT_EQ(p->origin().y, 4.0f);
            EXPECT_EQ(p->origin().z, 5.0f);
            EXPECT_EQ(p->lifetime(), 0.5f);
            EXPECT_EQ(p->particleValue(), 1.0f);
        }
    }
}

TEST(Burst, EveryPassDrawsTwiceEvenWhenTheTableIsFull)
{
    const struct {
        std::uint32_t count;
        int particles;
    } rows[] = {{0, 0}, {1, 1}, {2, 2}, {128, 128}, {200, 128}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        const unsigned seed = 99;
        std::srand(seed);
        const auto burst = emitted(row.count);
        EXPECT_EQ(burst->occupiedSlots(), row.particles);
        const int next = std::rand(); // before randAfter reseeds
        EXPECT_EQ(next, randAfter(seed, int(2 * row.count)));
        if (row.particles == Emitter::ParticleSlots) {
            EXPECT_EQ(burst->freeSlot(), -1);
        }
    }
}

TEST(Burst, WideBurstsReachFromAQuarterToTheWholeCount)
{
    std::srand(5);
    const auto burst = emitted(200);
    for (int slot = 0; slot < Emitter::ParticleSlots; ++slot) {
        const float z = burst->particle(slot)->offset().z;
        EXPECT_GE(z, 50.0f);
        EXPECT_LE(z, 200.0f);
    }
    EXPECT_EQ(burst->particle(-1), nullptr);
    EXPECT_EQ(burst->particle(Emitter::ParticleSlots), nullptr);
}

TEST(Burst, FinishesOnlyAfterItsLifetime)
{
    SDL_Init(0); // start SDL's tick counter, as the game does before any burst
    const auto longLived = emitted(1, Vec3{}, 1.0e6f);
    longLived->update();
    EXPECT_FALSE(longLived->isFinished());

    const auto alreadyOver = emitted(1, Vec3{}, -1.0f);
    EXPECT_FALSE(alreadyOver->isFinished()) << "only update sets the flag";
    alreadyOver->update();
    EXPECT_TRUE(alreadyOver->isFinished());
    alreadyOver->setLifetime(1.0e6f);
    alreadyOver->update();
    EXPECT_TRUE(alreadyOver->isFinished()) << "the flag is never cleared";

    const auto empty = emitted(0, Vec3{}, -1.0f);
    EXPECT_EQ(empty->occupiedSlots(), 0);
    empty->update();
    EXPECT_TRUE(empty->isFinished()) << "a burst without particles still ends";
}

TEST(Particle, NonPositiveLifetimeBecomesOneSecond)
{
    const struct {
        float given, stored;
    } rows[] = {{0.5f, 0.5f}, {0.0f, 1.0f}, {-2.0f, 1.0f}, {3.0f, 3.0f}};
    for (const auto& row : rows) {
        const Particle p(Vec3{}, Vec3{}, Vec3{}, row.given, 1.0f);
        EXPECT_EQ(p.lifetime(), row.stored) << row.given;
    }
}

} // namespace
