#pragma once
// Reads a loaded 24-bit TgaImage the way a person looks at it: x to the right, y down from the
// top row as seen, colours as red, green, blue. The file keeps the bottom row first and each
// pixel as blue, green, red; this view undoes both so tests can speak of "the top of a cell".
#include "image/TgaImage.h"

#include <cstdint>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

class PictureView {
public:
    explicit PictureView(const TgaImage& image);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgb at(int x, int yFromTop) const;
    // Rec. 601 luma, 0..255.
    double luminance(int x, int yFromTop) const;

private:
    const std::uint8_t* m_pixels;
    int m_width;
    int m_height;
};
