#include "tests/e2e/OverlayText.h"

#include "tests/e2e/ScreenGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int cellsPerSide = 16;
// Sub-pixel differences between this model and the rasteriser are absorbed by trying the whole
// line a pixel or two either way.
constexpr int shiftReach = 2;
constexpr double fullInk = 0.9;    // glyph value counted as solid ink
constexpr int nearWhite = 190;      // every channel at least this: the ink shows

double screenLuminance(const Screenshot& shot, int column, int row)
{
    return shot.brightness(column, row) / 255.0;
}

} // namespace

double centredMessageX(size_t length)
{
    return 0.5 - static_cast<double>(length) * penAdvance / 2.0;
}

OverlayText::OverlayText(const std::string& atlasPath) : m_atlas(atlasPath)
{
}

double OverlayText::glyphValueAt(std::uint8_t byte, double cellX, double cellY, int column,
                                 int row) const
{
    double overlayX = (column + 0.5) / screenWidth;
    double overlayY = 1.0 - (row + 0.5) / screenHeight;
    double fs = (overlayX - cellX) / glyphCellSize;
    double ft = (overlayY - cellY) / glyphCellSize;
    if (fs < 0 || fs >= 1 || ft < 0 || ft >= 1)
        return 0;
    int cellColumn = byte % cellsPerSide;
    int cellRow = byte / cellsPerSide;
    // Cell rows count down from the top of the texture (t = 1).
    double s = (cellColumn + fs) / cellsPerSide;
    double t = (cellsPerSide - 1 - cellRow + ft) / cellsPerSide;
    // The atlas is grey: any channel is the glyph value.
    double rgb[3];
    m_atlas.sample(s, t, rgb);
    return rgb[1];
}

double OverlayText::cellError(const Screenshot& shot, std::uint8_t byte, double cellX,
                              double cellY, Shift shift) const
{
    PixelPos lowerLeft = overlayToPixel(cellX, cellY);
    PixelPos upperRight = overlayToPixel(cellX + penAdvance, cellY + glyphCellSize);
    double total = 0;
    int count = 0;
    for (int row = upperRight.row() - 1; row <= lowerLeft.row() + 1; ++row)
        for (int column = lowerLeft.column() - 1; column <= upperRight.column() + 1; ++column) {
            double value = glyphValueAt(byte, cellX, cellY, column, row);
            double expected = value * value;
            total += std::abs(screenLuminance(shot, column + shift.dx, row + shift.dy) - expected);
            ++count;
        }
    return count == 0 ? 0 : total / count;
}

OverlayText::Shift OverlayText::bestShift(const Screenshot& shot, double x, double y,
                                          const std::string& text) const
{
    Shift best;
    double bestError = std::numeric_limits<double>::max();
    for (int dy = -shiftReach; dy <= shiftReach; ++dy)
        for (int dx = -shiftReach; dx <= shiftReach; ++dx) {
            double error = 0;
            for (size_t i = 0; i < text.size(); ++i)
                error += cellError(shot, static_cast<std::uint8_t>(text[i]), x + i * penAdvance, y,
                                   {dx, dy});
            if (error < bestError) {
                bestError = error;
                best = {dx, dy};
            }
        }
    return best;
}

std::string OverlayText::read(const Screenshot& shot, double x, double y, size_t length) const
{
    if (!isLoaded())
        return "";
    // First read each cell without a shift, then settle the line's shift on that reading and
    // read again with it.
    std::string reading(length, ' ');
    for (int pass = 0; pass < 2; ++pass) {
        Shift shift = pass == 0 ? Shift{} : bestShift(shot, x, y, reading);
        for (size_t i = 0; i < length; ++i) {
            double bestError = std::numeric_limits<double>::max();
            for (int byte = ' '; byte <= '~'; ++byte) {
                double error = cellError(shot, static_cast<std::uint8_t>(byte), x + i * penAdvance,
                                         y, shift);
                if (error < bestError) {
                    bestError = error;
                    reading[i] = static_cast<char>(byte);
                }
            }
        }
    }
    return reading;
}

double OverlayText::inkCoverage(const Screenshot& shot, double x, double y,
                                const std::string& text) const
{
    if (!isLoaded())
        return 0;
    double best = 0;
    for (int dy = -shiftReach; dy <= shiftReach; ++dy)
        for (int dx = -shiftReach; dx <= shiftReach; ++dx) {
            int solid = 0, shown = 0;
            for (size_t i = 0; i < text.size(); ++i) {
                double cellX = x + i * penAdvance;
                PixelPos lowerLeft = overlayToPixel(cellX, y);
                PixelPos upperRight = overlayToPixel(cellX + glyphCellSize, y + glyphCellSize);
                for (int row = upperRight.row(); row <= lowerLeft.row(); ++row)
                    for (int column = lowerLeft.column(); column <= upperRight.column(); ++column) {
                        auto byte = static_cast<std::uint8_t>(text[i]);
                        if (glyphValueAt(byte, cellX, y, column, row) < fullInk)
                            continue;
                        ++solid;
                        Rgb pixel = shot.at(column + dx, row + dy);
                        if (std::min({pixel.red, pixel.green, pixel.blue}) >= nearWhite)
                            ++shown;
                    }
            }
            if (solid > 0)
                best = std::max(best, static_cast<double>(shown) / solid);
        }
    return best;
}
