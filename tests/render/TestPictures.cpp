#include "tests/render/TestPictures.h"

#include "image/TgaImage.h"

#include <gtest/gtest.h>

std::string TestPictures::solid(const char* name, std::uint16_t width, std::uint16_t height,
                                std::uint8_t bitsPerPixel, std::uint8_t blue, std::uint8_t green,
                                std::uint8_t red)
{
    TgaImage picture;
    picture.create(width, height, bitsPerPixel);
    const std::size_t pixelSize = bitsPerPixel / 8u;
    std::uint8_t* bytes = picture.pixels();
    for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
        std::uint8_t* pixel = bytes + i * pixelSize;
        pixel[0] = blue;
        pixel[1] = green;
        pixel[2] = red;
        if (pixelSize == 4)
            pixel[3] = 255;
    }
    const std::string path = pathOf(name);
    EXPECT_TRUE(picture.saveAs(path.c_str())) << path;
    return path;
}

std::string TestPictures::blockAtlas(const char* name)
{
    constexpr int Side = 256;
    constexpr int Cell = 16;
    TgaImage atlas;
    atlas.create(Side, Side, 24);
    std::uint8_t* bytes = atlas.pixels();
    for (int row = 0; row < Side; ++row) {
        // Stored rows run bottom up: stored row 0 is the bottom of the picture as seen.
        const int cellRow = (Side - 1 - row) / Cell;
        for (int column = 0; column < Side; ++column) {
            const int byte = cellRow * 16 + column / Cell;
            const int u = column % Cell;
            const int v = row % Cell;
            const bool ink = hasBlockGlyph(static_cast<unsigned char>(byte)) && u >= 4 && u < 12 && v >= 4 && v < 12;
            std::uint8_t* pixel = bytes + (std::size_t(row) * Side + column) * 3;
            pixel[0] = pixel[1] = pixel[2] = ink ? 255 : 0;
        }
    }
    const std::string path = pathOf(name);
    EXPECT_TRUE(atlas.saveAs(path.c_str())) << path;
    return path;
}
