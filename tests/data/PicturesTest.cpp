// The four pictures under ./data/image: each loads through the game's own TgaImage as a
// complete 24-bit uncompressed true-colour picture, and each looks the way the game needs.
#include "image/TgaImage.h"
#include "tests/data/PictureView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

namespace {

struct PictureFile {
    const char* path;
    int width;
    int height;
};

// Test names and failure messages show the path rather than the struct's bytes.
void PrintTo(const PictureFile& file, std::ostream* out) { *out << file.path; }

class PictureFileTest : public ::testing::TestWithParam<PictureFile> {};

TEST_P(PictureFileTest, LoadsAsComplete24BitTrueColourPicture)
{
    const PictureFile& file = GetParam();
    TgaImage image(file.path);
    ASSERT_TRUE(image.isLoaded()) << file.path;
    EXPECT_EQ(TgaImage::TrueColour, image.header().imageType);
    EXPECT_EQ(24, image.bitsPerPixel());
    EXPECT_EQ(file.width, image.width());
    EXPECT_EQ(file.height, image.height());
    // Bottom row first, no alpha bits, no image ID, no colour map: what the uploads expect.
    EXPECT_EQ(0, image.header().imageDescriptor);
    EXPECT_EQ(0, image.header().idLength);
    EXPECT_EQ(0, image.header().colourMapType);
    EXPECT_EQ(0, image.header().colourMapLength);
    EXPECT_TRUE(image.holdsWhole24BitPicture());
}

INSTANTIATE_TEST_SUITE_P(DataImages, PictureFileTest,
                         ::testing::Values(PictureFile{"./data/image/font3.tga", 512, 512},
                                           PictureFile{"./data/image/tray.tga", 512, 512},
                                           PictureFile{"./data/image/particle.tga", 64, 64},
                                           PictureFile{"./data/image/fond.tga", 512, 512}),
                         [](const ::testing::TestParamInfo<PictureFile>& info) {
                             std::string name = info.param.path;
                             name = name.substr(name.rfind('/') + 1);
                             return name.substr(0, name.find('.'));
                         });

constexpr int BoardSquares = 8;

// Texels of the tray picture that lie on a grid line: 2 either side of each inner square
// boundary, and the 4 outermost texels at the picture's edges.
bool onGridLine(int coordinate, int size)
{
    const int square = size / BoardSquares;
    const int fromBoundary = (coordinate + 2) % square;
    return fromBoundary < 4 || coordinate < 4 || coordinate >= size - 4;
}

int distanceToBoundary(int coordinate, int size)
{
    const int square = size / BoardSquares;
    const int within = coordinate % square;
    return std::min(within, square - within);
}

TEST(TrayPicture, ShowsAnEightByEightGridOfEvenSquares)
{
    TgaImage image("./data/image/tray.tga");
    ASSERT_TRUE(image.isLoaded());
    const PictureView tray(image);
    const int size = tray.width();
    const int square = size / BoardSquares;

    double darkestCentre = 255.0;
    double lightestCentre = 0.0;
    for (int row = 0; row < BoardSquares; ++row) {
        for (int column = 0; column < BoardSquares; ++column) {
            const double centre = tray.luminance(column * square + square / 2, row * square + square / 2);
            darkestCentre = std::min(darkestCentre, centre);
            lightestCentre = std::max(lightestCentre, centre);
        }
    }
    // Even squares, neither close to the white discs nor to the near-black ones.
    EXPECT_LT(lightestCentre, darkestCentre * 1.2);
    EXPECT_GT(darkestCentre, 0.2 * 255);
    EXPECT_LT(lightestCentre, 0.75 * 255);

    // Across and down the middle of every rank and file: dark exactly on the lines, clearly
    // lighter everywhere a few texels away from them (no extra lines, no missing ones).
    for (int lane = 0; lane < BoardSquares; ++lane) {
        const int middle = lane * square + square / 2;
        for (int t = 0; t < size; ++t) {
            const double across = tray.luminance(t, middle);
            const double down = tray.luminance(middle, t);
            if (onGridLine(t, size)) {
                EXPECT_LT(across, 0.5 * darkestCentre) << "row " << middle << ", x " << t;
                EXPECT_LT(down, 0.5 * darkestCentre) << "column " << middle << ", y " << t;
            } else if (distanceToBoundary(t, size) >= 6) {
                EXPECT_GT(across, 0.75 * darkestCentre) << "row " << middle << ", x " << t;
                EXPECT_GT(down, 0.75 * darkestCentre) << "column " << middle << ", y " << t;
            }
        }
    }
}

TEST(ParticlePicture, IsARoundSpotFadingToBlackBeforeTheEdge)
{
    TgaImage image("./data/image/particle.tga");
    ASSERT_TRUE(image.isLoaded());
    const PictureView spot(image);
    const int size = spot.width();
    const int half = size / 2;

    EXPECT_GT(spot.luminance(half, half), 200.0);
    for (int t = 0; t < size; ++t) {
        for (const auto& [x, y] : {std::pair{t, 0}, std::pair{t, size - 1}, std::pair{0, t},
                                   std::pair{size - 1, t}}) {
            const Rgb edge = spot.at(x, y);
            EXPECT_EQ(0, edge.red + edge.green + edge.blue) << "edge texel " << x << ", " << y;
        }
    }
    // Mirror symmetric, and never brighter further out along a ray from the centre.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            EXPECT_NEAR(spot.luminance(x, y), spot.luminance(size - 1 - x, y), 1.0);
            EXPECT_NEAR(spot.luminance(x, y), spot.luminance(y, x), 1.0);
        }
    }
    for (int x = half; x + 1 < size; ++x)
        EXPECT_GE(spot.luminance(x, half) + 0.5, spot.luminance(x + 1, half)) << "x " << x;
}

TEST(CreditsBackdrop, IsDarkAndLeavesTheCreditsLineReadable)
{
    TgaImage image("./data/image/fond.tga");
    ASSERT_TRUE(image.isLoaded());
    const PictureView backdrop(image);
    const int size = backdrop.width();

    double total = 0.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            total += backdrop.luminance(x, y);
    EXPECT_LT(total / (size * size), 48.0) << "a calm, dark picture";
    EXPECT_GT(total / (size * size), 4.0) << "not simply black";

    // The credits line: 51 bytes from the left edge at 0.018 of the screen each, its glyph
    // cells from 0.02 to 0.05 above the bottom. Behind it (with a margin) the picture stays so
    // dark that white text keeps a strong contrast.
    const int lastColumn = static_cast<int>(std::ceil(51 * 0.018 * size));
    const int topRow = size - 1 - static_cast<int>(std::ceil(0.08 * size));
    double brightest = 0.0;
    for (int y = topRow; y < size; ++y)
        for (int x = 0; x < lastColumn; ++x)
            brightest = std::max(brightest, backdrop.luminance(x, y));
    EXPECT_LT(brightest, 40.0);
}

} // namespace
