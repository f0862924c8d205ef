#pragma once
// The one particle pool: 32 emitter slots and the particle texture.
//
// Slots are searched from index 0; a full pool is a normal outcome and drops the request. The pool
// makes no GL call: it is ready once it is given the particle texture's name (render/ makes the
// texture), and until then it takes no burst.
#include "particles/Emitter.h"
#include "particles/ParticleBurst.h"
#include "particles/Vec3.h"

#include <array>
#include <cstdint>
#include <memory>

class ParticleSystem {
public:
    static constexpr int EmitterSlots = 32;

    static ParticleSystem* instance();

    // Gives the pool its texture name (0 included) and makes it ready; every later burst carries it.
    void setTexture(std::uint32_t texture);
    // A new burst in the first empty slot, or null when the pool is full or not ready.
    ParticleBurst* acquireBurst();
    // Ages every burst in slot order and deletes the finished ones.
    void update();

    // Read-only view of the pool: slot i's emitter, or null when the slot is empty.
    const Emitter* emitter(int slot) const;
    std::uint32_t texture() const { return m_texture; }
    bool isReady() const { return m_ready; }

    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;

private:
    ParticleSystem() = default;

    std::array<std::unique_ptr<Emitter>, EmitterSlots> m_emitters;
    std::uint32_t m_texture = 0; // GL texture name, made by render/; lives until the process ends
    bool m_ready = false;
};

// Starts a burst at `origin` in the one pool; null when the pool has no room.
ParticleBurst* spawnBurst(float spawnValue, const Vec3& origin, std::uint32_t particleCount,
                          float lifetime, float tripleA, float tripleB, float tripleC);
