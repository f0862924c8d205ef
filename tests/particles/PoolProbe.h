#pragma once
// Test helpers around the one particle pool: empty it between tests and read what it holds.
#include "particles/ParticleBurst.h"
#include "particles/ParticleSystem.h"
#include "particles/Vec3.h"

#include <SDL.h>

#include <vector>

namespace pool {

constexpr Uint32 LongerThanABurstMs = 600; // the game's bursts live 0.5 s

inline int liveBursts()
{
    int live = 0;
    for (int slot = 0; slot < ParticleSystem::EmitterSlots; ++slot)
        live += ParticleSystem::instance()->emitter(slot) ? 1 : 0;
    return live;
}

// Waits out every live burst, then lets the pool delete them.
inline void drain()
{
    if (liveBursts() > 0)
        SDL_Delay(LongerThanABurstMs);
    ParticleSystem::instance()->update();
}

inline const ParticleBurst* burstAt(int slot)
{
    return dynamic_cast<const ParticleBurst*>(ParticleSystem::instance()->emitter(slot));
}

// Origins of the live bursts in slot order.
inline std::vector<Vec3> origins()
{
    std::vector<Vec3> found;
    for (int slot = 0; slot < ParticleSystem::EmitterSlots; ++slot) {
        if (const ParticleBurst* burst = burstAt(slot))
            found.push_back(burst->origin());
    }
    return found;
}

} // namespace pool
