#include "render/VideoMode.h"

#include <SDL.h>

std::uint32_t videoModeFlags(const VideoSettings& settings)
{
    return settings.fullScreen() ? (SDL_OPENGL | SDL_FULLSCREEN) : SDL_OPENGL;
}

int bitsPerPixel(const VideoSettings& settings)
{
    return settings.redBits() + settings.greenBits() + settings.blueBits() + settings.alphaBits();
}

std::vector<std::pair<int, int>> glAttributes(const VideoSettings& settings)
{
    return {
        {SDL_GL_DOUBLEBUFFER, settings.doubleBuffer() ? 1 : 0},
        {SDL_GL_DEPTH_SIZE, settings.depthBits()},
        {SDL_GL_STENCIL_SIZE, settings.stencilBits()},
        {SDL_GL_ACCUM_RED_SIZE, settings.redBits()},
        {SDL_GL_ACCUM_GREEN_SIZE, settings.greenBits()},
        {SDL_GL_ACCUM_BLUE_SIZE, settings.blueBits()},
        {SDL_GL_ACCUM_ALPHA_SIZE, settings.alphaBits()},
        {SDL_GL_SWAP_CONTROL, 1},
    };
}
