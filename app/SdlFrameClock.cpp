#include "app/SdlFrameClock.h"

#include <SDL.h>

std::uint32_t SdlFrameClock::milliseconds() const
{
    return SDL_GetTicks();
}

void SdlFrameClock::sleep(std::uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}
