#pragma once
// Something that owns up to 128 particles and knows when it is done.
//
// Each of the 128 particle slots is empty or owns one Particle; free slots are found from index 0
// and a full table silently drops further particles. Once `finished` is set it stays set, and the
// pool deletes the emitter at its next update.
#include "particles/Particle.h"
#include "particles/Stopwatch.h"

#include <array>
#include <cstdint>
#include <memory>

class Emitter {
public:
    static constexpr int ParticleSlots = 128;

    explicit Emitter(std::uint32_t texture);
    // Destroys the particles in slot order.
    virtual ~Emitter();

    Emitter(const Emitter&) = delete;
    Emitter& operator=(const Emitter&) = delete;

    // Ages the emitter; sets finished once its time is up.
    virtual void update() = 0;
    // Starts the emitter: creates its particles.
    virtual void emit() = 0;

    // Index of the first empty particle slot, or -1 when all 128 are taken.
    int freeSlot() const;
    // Slot i's particle, or null when the slot is empty (i in 0..127).
    const Particle* particle(int slot) const;
    int occupiedSlots() const;

    bool isFinished() const { return m_finished; }
    std::uint32_t texture() const { return m_texture; }
    float spawnValue() const { return m_spawnValue; }
    const std::array<float, 3>& spawnTriple() const { return m_spawnTriple; }
    void setSpawnValue(float value) { m_spawnValue = value; }
    void setSpawnTriple(float a, float b, float c) { m_spawnTriple = {a, b, c}; }

protected:
    // Puts a particle in the first free slot; false (and the particle dropped) when full.
    bool adopt(std::unique_ptr<Particle> particle);
    void markFinished() { m_finished = true; }

private:
    std::array<std::unique_ptr<Particle>, ParticleSlots> m_particles;
    float m_spawnValue = 0.0f;
    std::uint32_t m_texture;        // the pool's GL texture name; not drawn with
    bool m_finished = false;
    Stopwatch m_createdClock;       // started at construction
    std::array<float, 3> m_spawnTriple{};
};
