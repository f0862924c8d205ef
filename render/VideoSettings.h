#pragma once
// The requested video mode, a plain record copied by value.
//
// The four channel sizes are the accumulation buffer's; their sum is also the mode's colour
// depth in bits per pixel (see VideoMode.h). `spare` is stored and read by nothing.
#include <cstdint>

class VideoSettings {
public:
    VideoSettings(std::uint32_t width, std::uint32_t height, std::int32_t redBits, std::int32_t greenBits,
                  std::int32_t blueBits, std::int32_t alphaBits, std::int32_t depthBits,
                  std::int32_t stencilBits, std::int32_t spare, bool doubleBuffer, bool fullScreen)
        : m_width(width), m_height(height), m_redBits(redBits), m_greenBits(greenBits),
          m_blueBits(blueBits), m_alphaBits(alphaBits), m_depthBits(depthBits),
          m_stencilBits(stencilBits), m_spare(spare), m_doubleBuffer(doubleBuffer),
          m_fullScreen(fullScreen)
    {
    }

    std::uint32_t width() const { return m_width; }   // pixels
    std::uint32_t height() const { return m_height; } // pixels
    std::int32_t redBits() const { return m_redBits; }
    std::int32_t greenBits() const { return m_greenBits; }
    std::int32_t blueBits() const { return m_blueBits; }
    std::int32_t alphaBits() const { return m_alphaBits; }
    std::int32_t depthBits() const { return m_depthBits; }
    std::int32_t stencilBits() const { return m_stencilBits; }
    bool doubleBuffer() const { return m_doubleBuffer; }
    bool fullScreen() const { return m_fullScreen; }

private:
    std::uint32_t m_width;
    std::uint32_t m_height;
    std::int32_t m_redBits;
    std::int32_t m_greenBits;
    std::int32_t m_blueBits;
    std::int32_t m_alphaBits;
    std::int32_t m_depthBits;
    std::int32_t m_stencilBits;
    [[maybe_unused]] std::int32_t m_spare; // kept as given, read by nothing
    bool m_doubleBuffer;
    bool m_fullScreen;
};
