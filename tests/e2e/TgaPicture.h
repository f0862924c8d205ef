#pragma once

#include "tests/e2e/Screenshot.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture from one of the game's data files, read by the tests on their own: uncompressed
// true-colour TGA (type 2), 24 bits, pixels kept exactly as stored (first stored row first,
// blue, green, red), which is how the game hands them to OpenGL: the first stored row at t = 0.
class TgaPicture {
public:
    explicit TgaPicture(const std::string& path);
    bool isLoaded() const { return !m_bgr.empty(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The colour at texture coordinates (s, t), linearly filtered between texel centres with
    // OpenGL's default repeat wrap, each channel 0..1.
    void sample(double s, double t, double rgb[3]) const;

    // What the picture looks like stretched over the whole screen (t = 0 at the bottom edge),
    // at the screen pixel (column, row).
    Rgb stretchedOverScreen(int column, int row) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_bgr;
};
