#include "particles/ParticleSystem.h"

#include "particles/ParticleTexture.h"

namespace {
constexpr const char* ParticlePicture = "./data/image/particle.tga";
}

ParticleSystem* ParticleSystem::instance()
{
    // One pool per process, made on first use (a GL context must be current by then) and kept
    // until the process exits.
    static ParticleSystem system;
    return &system;
}

ParticleSystem::ParticleSystem()
{
    m_texture = makeParticleTexture(ParticlePicture);
    m_ready = true;
}

ParticleBurst* ParticleSystem::acquireBurst()
{
    if (!m_ready)
        return nullptr;
    for (auto& slot : m_emitters) {
        if (!slot) {
            auto burst = std::make_unique<ParticleBurst>(m_texture);
            ParticleBurst* handle = burst.get();
            slot = std::move(burst);
            return handle;
        }
    }
    return nullptr;
}

void ParticleSystem::update()
{
    for (auto& slot : m_emitters) {
        if (!slot)
            continue;
        slot->update();
        if (slot->isFinished())
            slot.reset();
    }
}

const Emitter* ParticleSystem::emitter(int slot) const
{
    if (slot < 0 || slot >= EmitterSlots)
        return nullptr;
    return m_emitters[std::size_t(slot)].get();
}

ParticleBurst* spawnBurst(float spawnValue, const Vec3& origin, std::uint32_t particleCount,
                          float lifetime, float tripleA, float tripleB, float tripleC)
{
    ParticleBurst* burst = ParticleSystem::instance()->acquireBurst();
    if (!burst)
        return nullptr;
    burst->setSpawnValue(spawnValue);
    burst->setOrigin(origin);
    burst->setLifetime(lifetime);
    burst->setParticleCount(particleCount);
    burst->setSpawnTriple(tripleA, tripleB, tripleC);
    burst->emit();
    return burst;
}
