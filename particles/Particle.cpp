#include "particles/Particle.h"

namespace {
constexpr float DefaultLifetime = 1.0f; // seconds, for a particle given no positive lifetime
}

Particle::Particle(const Vec3& origin, const Vec3& offset, const Vec3& velocity, float lifetime,
                   float particleValue)
    : m_lifetime(lifetime > 0.0f ? lifetime : DefaultLifetime),
      m_velocity(velocity),
      m_origin(origin),
      m_offset(offset),
      m_particleValue(particleValue)
{
}
