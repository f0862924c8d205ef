#pragma once
// What a VideoSettings record asks of SDL, worked out without touching SDL: GlWindow passes
// these values on unchanged, and tests check them without a screen.
#include "render/VideoSettings.h"

#include <cstdint>
#include <utility>
#include <vector>

// SDL_OPENGL, plus SDL_FULLSCREEN for a full-screen mode.
std::uint32_t videoModeFlags(const VideoSettings& settings);

// The colour depth requested from SDL_SetVideoMode: the sum of the four channel sizes.
int bitsPerPixel(const VideoSettings& settings);

// The (SDL_GLattr, value) pairs to set before the mode, in the order they are set. The channel
// sizes go to the accumulation buffer (the colour sizes keep SDL's defaults); the list ends by
// asking for swaps that wait for the display, which paces the frame loop.
std::vector<std::pair<int, int>> glAttributes(const VideoSettings& settings);
