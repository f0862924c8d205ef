#include "tests/e2e/Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

Screenshot::Screenshot(int width, int height, std::vector<std::uint8_t> rgb)
    : m_width(width), m_height(height), m_rgb(std::move(rgb))
{
}

Rgb Screenshot::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {};
    const std::uint8_t* pixel = &m_rgb[(static_cast<size_t>(y) * m_width + x) * 3];
    return {pixel[0], pixel[1], pixel[2]};
}

Rgb Screenshot::meanAround(int x, int y, int radius) const
{
    long red = 0, green = 0, blue = 0, count = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            Rgb pixel = at(x + dx, y + dy);
            red += pixel.red;
            green += pixel.green;
            blue += pixel.blue;
            ++count;
        }
    return {static_cast<int>(red / count), static_cast<int>(green / count),
            static_cast<int>(blue / count)};
}

int Screenshot::brightness(int x, int y) const
{
    Rgb pixel = at(x, y);
    return (pixel.red + pixel.green + pixel.blue) / 3;
}

int Screenshot::countDifferences(const Screenshot& other, int left, int top, int right,
                                 int bottom, int tolerance) const
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (!closeTo(at(x, y), other.at(x, y), tolerance))
                ++count;
    return count;
}

bool Screenshot::savePpm(const std::string& path) const
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    std::fprintf(file, "P6\n%d %d\n255\n", m_width, m_height);
    bool written = std::fwrite(m_rgb.data(), 1, m_rgb.size(), file) == m_rgb.size();
    return std::fclose(file) == 0 && written;
}

bool closeTo(const Rgb& seen, const Rgb& wanted, int tolerance)
{
    return std::abs(seen.red - wanted.red) <= tolerance &&
           std::abs(seen.green - wanted.green) <= tolerance &&
           std::abs(seen.blue - wanted.blue) <= tolerance;
}
