#include "particles/Emitter.h"

Emitter::Emitter(std::uint32_t texture) : m_texture(texture) {}

Emitter::~Emitter()
{
    // A std::array destroys back to front; the particles go front to back.
    for (auto& slot : m_particles)
        slot.reset();
}

int Emitter::freeSlot() const
{
    for (int i = 0; i < ParticleSlots; ++i) {
        if (!m_particles[std::size_t(i)])
            return i;
    }
    return -1;
}

const Particle* Emitter::particle(int slot) const
{
    if (slot < 0 || slot >= ParticleSlots)
        return nullptr;
    return m_particles[std::size_t(slot)].get();
}

int Emitter::occupiedSlots() const
{
    int count = 0;
    for (const auto& slot : m_particles)
        count += slot ? 1 : 0;
    return count;
}

bool Emitter::adopt(std::unique_ptr<Particle> particle)
{
    const int slot = freeSlot();
    if (slot < 0)
        return false;
    m_particles[std::size_t(slot)] = std::move(particle);
    return true;
}
