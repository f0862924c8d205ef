#pragma once
// Pictures the rendering tests draw with, written as TGA files into a private temporary folder
// that disappears with the object.
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <string>

class TestPictures {
public:
    // A width x height picture of `bitsPerPixel` bits, every pixel stored as blue, green, red
    // (and alpha 255 at 32 bits).
    std::string solid(const char* name, std::uint16_t width, std::uint16_t height, std::uint8_t bitsPerPixel,
                      std::uint8_t blue, std::uint8_t green, std::uint8_t red);

    // A 256 x 256 font atlas of 16 x 16-texel cells, black but for a white 8 x 8 square in the
    // middle of the cell of every byte from '!' to '~'. The square covers the middle half of a
    // glyph cell in both directions.
    std::string blockAtlas(const char* name);

    std::string pathOf(const char* name) const { return m_folder.path(name); }

private:
    TempFolder m_folder{"render-tests"};
};

// The block atlas draws ink for these bytes only.
inline bool hasBlockGlyph(unsigned char byte)
{
    return byte >= '!' && byte <= '~';
}
