#include "particles/Stopwatch.h"

#include <SDL.h>

namespace {
constexpr float SecondsPerTick = 0.001f; // SDL_GetTicks counts milliseconds
}

void Stopwatch::reset()
{
    m_start = float(SDL_GetTicks()) * SecondsPerTick;
}

float Stopwatch::elapsed() const
{
    return float(SDL_GetTicks()) * SecondsPerTick - m_start;
}
