#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One picture of the whole X screen, stored row by row from the top, three bytes per pixel
// (red, green, blue). Pixel (0, 0) is the top-left corner, as X11 counts.
class Screenshot {
public:
    Screenshot() = default;
    Screenshot(int width, int height, std::vector<std::uint8_t> rgb);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_rgb.empty(); }

    // Coordinates outside the picture read as black.
    Rgb at(int x, int y) const;
    // The mean colour of the square of side 2 * radius + 1 around (x, y).
    Rgb meanAround(int x, int y, int radius) const;
    // 0..255: the mean of the three channels.
    int brightness(int x, int y) const;

    // How many pixels of the rectangle [left, right) x [top, bottom) differ from `other` by more
    // than `tolerance` in some channel.
    int countDifferences(const Screenshot& other, int left, int top, int right, int bottom,
                         int tolerance) const;

    // Binary PPM (P6); false when the file cannot be written.
    bool savePpm(const std::string& path) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_rgb;
};

// True when every channel of `seen` is within `tolerance` of `wanted`.
bool closeTo(const Rgb& seen, const Rgb& wanted, int tolerance);
