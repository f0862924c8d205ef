#include "tests/e2e/TgaPicture.h"

#include "tests/e2e/ScreenGeometry.h"

#include <cmath>
#include <fstream>

namespace {

constexpr int headerSize = 18;
constexpr int trueColourType = 2;
constexpr int bitsPerPixel = 24;

int littleEndian16(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

} // namespace

TgaPicture::TgaPicture(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char header[headerSize];
    if (!file.read(reinterpret_cast<char*>(header), headerSize))
        return;
    int idLength = header[0];
    int width = littleEndian16(header + 12);
    int height = littleEndian16(header + 14);
    if (header[2] != trueColourType || header[16] != bitsPerPixel || width <= 0 || height <= 0)
        return;
    file.seekg(headerSize + idLength);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(width) * height * 3);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return;
    m_width = width;
    m_height = height;
    m_bgr = std::move(bytes);
}

void TgaPicture::sample(double s, double t, double rgb[3]) const
{
    double u = s * m_width - 0.5;
    double v = t * m_height - 0.5;
    int u0 = static_cast<int>(std::floor(u));
    int v0 = static_cast<int>(std::floor(v));
    double fu = u - u0;
    double fv = v - v0;
    auto texel = [this](int column, int row, int channel) {
        column = ((column % m_width) + m_width) % m_width;
        row = ((row % m_height) + m_height) % m_height;
        // Stored blue, green, red; channel 0 is red.
        return m_bgr[(static_cast<size_t>(row) * m_width + column) * 3 + (2 - channel)] / 255.0;
    };
    for (int channel = 0; channel < 3; ++channel)
        rgb[channel] = texel(u0, v0, channel) * (1 - fu) * (1 - fv) +
                       texel(u0 + 1, v0, channel) * fu * (1 - fv) +
                       texel(u0, v0 + 1, channel) * (1 - fu) * fv +
                       texel(u0 + 1, v0 + 1, channel) * fu * fv;
}

Rgb TgaPicture::stretchedOverScreen(int column, int row) const
{
    double rgb[3];
    sample((column + 0.5) / screenWidth, 1.0 - (row + 0.5) / screenHeight, rgb);
    return {static_cast<int>(std::lround(rgb[0] * 255)), static_cast<int>(std::lround(rgb[1] * 255)),
            static_cast<int>(std::lround(rgb[2] * 255))};
}
