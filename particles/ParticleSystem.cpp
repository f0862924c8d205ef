#include "particles/ParticleSystem.h"

ParticleSystem* ParticleSystem::instance()
{
    // One pool per process, made on first use and kept until the process exits.
    static ParticleSystem system;
    return &system;
}

void ParticleSystem::setTexture(std::uint32_t texture)
{
    m_texture = texture;
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
