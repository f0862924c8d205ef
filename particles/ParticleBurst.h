#pragma once
// A one-shot burst: on emit it throws particleCount particles at random around its origin
// (radius a quarter of the count up to the whole count, height equal to the radius), then it
// lives for `lifetime` seconds and finishes.
#include "particles/Emitter.h"
#include "particles/Stopwatch.h"
#include "particles/Vec3.h"

#include <cstdint>

class ParticleBurst : public Emitter {
public:
    explicit ParticleBurst(std::uint32_t texture);

    // Finished once more than `lifetime` seconds have passed since emit.
    void update() override;
    // Restarts the life clock and makes particleCount passes of two random draws each; a pass
    // that finds the particle table full creates nothing.
    void emit() override;

    float lifetime() const { return m_lifetime; }
    const Vec3& origin() const { return m_origin; }
    std::uint32_t particleCount() const { return m_particleCount; }
    void setLifetime(float seconds) { m_lifetime = seconds; }
    void setOrigin(const Vec3& origin) { m_origin = origin; }
    void setParticleCount(std::uint32_t count) { m_particleCount = count; }

private:
    float m_lifetime = 0.0f; // seconds
    Stopwatch m_lifeClock;   // restarted by emit
    Vec3 m_origin;           // board coordinates (x, y 1..8) and a height
    std::uint32_t m_particleCount = 0;
};
