#pragma once
// One particle of a burst: where it started, how far it was thrown and how fast it would travel.
// Written once when its burst emits; nothing moves or draws it afterwards.
#include "particles/Stopwatch.h"
#include "particles/Vec3.h"

class Particle {
public:
    // A lifetime of 0 or less becomes 1 second.
    Particle(const Vec3& origin, const Vec3& offset, const Vec3& velocity, float lifetime,
             float particleValue);
    virtual ~Particle() = default;

    float lifetime() const { return m_lifetime; }
    const Vec3& velocity() const { return m_velocity; }
    const Vec3& origin() const { return m_origin; }
    const Vec3& offset() const { return m_offset; }
    float particleValue() const { return m_particleValue; }

private:
    Stopwatch m_clock;     // started at construction
    float m_lifetime;      // seconds
    Vec3 m_velocity;       // world units per second
    Vec3 m_origin;         // the burst's origin, board coordinates
    Vec3 m_offset;         // from the origin, world units
    float m_particleValue;
};
