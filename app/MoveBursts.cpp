#include "app/MoveBursts.h"

#include "particles/ParticleSystem.h"
#include "render/ParticleTexture.h"
#include "rules/Match.h"

#include <cstdint>

namespace {

constexpr const char* ParticlePicture = "./data/image/particle.tga";

// Every square a move writes gets one burst, at the square's board coordinates, above the board.
constexpr float BurstSpawnValue = 1.0f;
constexpr float BurstHeight = 5.0f;
constexpr std::uint32_t BurstParticles = 2;
constexpr float BurstLifetime = 0.5f; // seconds
constexpr float BurstTriple = 0.5f;

} // namespace

void readyParticlePool()
{
    ParticleSystem& pool = *ParticleSystem::instance();
    if (!pool.isReady())
        pool.setTexture(makeParticleTexture(ParticlePicture));
}

void spawnMoveBursts(const WrittenSquares& written)
{
    for (const CellPos& square : written)
        spawnBurst(BurstSpawnValue, Vec3{float(square.x), float(square.y), BurstHeight}, BurstParticles,
                   BurstLifetime, BurstTriple, BurstTriple, BurstTriple);
}

void stepMatchWithBursts(Match& match)
{
    readyParticlePool();
    ParticleSystem::instance()->update(); // first: the slots it frees take this frame's bursts
    spawnMoveBursts(match.step());
}
