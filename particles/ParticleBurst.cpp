#include "particles/ParticleBurst.h"

#include "particles/Random.h"

#include <cmath>
#include <memory>

namespace {
constexpr float Pi = 3.1415927f;
constexpr float VelocityPerOffset = 0.16666667f; // particles head back a sixth of the way per second
constexpr float ParticleValue = 1.0f;
constexpr float InnerRadiusShare = 0.25f;       // the radius runs from a quarter of the count to all of it
}

ParticleBurst::ParticleBurst(std::uint32_t texture) : Emitter(texture) {}

void ParticleBurst::update()
{
    if (m_lifeClock.elapsed() > m_lifetime)
        markFinished();
}

void ParticleBurst::emit()
{
    m_lifeClock.reset();
    for (std::uint32_t i = 0; i < m_particleCount; ++i) {
        const float angle = randomRange(-Pi, Pi);
        const float n = float(m_particleCount);
        const float radius = randomRange(n * InnerRadiusShare, n);
        const Vec3 offset{radius * std::cos(angle), radius * std::sin(angle), radius};
        if (freeSlot() < 0)
            continue; // table full: the draws are made, nothing is created
        const Vec3 velocity{-offset.x * VelocityPerOffset, -offset.y * VelocityPerOffset,
                            -offset.z * VelocityPerOffset};
        adopt(std::make_unique<Particle>(m_origin, offset, velocity, m_lifetime, ParticleValue));
    }
}
