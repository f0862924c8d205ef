#include "tests/data/PictureView.h"

PictureView::PictureView(const TgaImage& image)
    : m_pixels(image.pixels()), m_width(image.width()), m_height(image.height())
{
}

Rgb PictureView::at(int x, int yFromTop) const
{
    const std::uint8_t* pixel = m_pixels + ((m_height - 1 - yFromTop) * m_width + x) * 3;
    return Rgb{pixel[2], pixel[1], pixel[0]};
}

double PictureView::luminance(int x, int yFromTop) const
{
    const Rgb colour = at(x, yFromTop);
    return 0.299 * colour.red + 0.587 * colour.green + 0.114 * colour.blue;
}
