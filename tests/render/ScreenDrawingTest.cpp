// The orange veil and the credits picture drawn over the whole overlay in an offscreen context.
#include "render/CreditsBackground.h"
#include "render/OrangeVeil.h"
#include "tests/support/OffscreenGl.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TgaFiles.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The overlay's projection: the whole window is the unit square.
class OverlayTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        glViewport(0, 0, offscreen::Width, offscreen::Height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // A picture file of its own per test, removed with the test's folder.
    std::string picturePath(const char* name) { return m_folder.path(name); }

private:
    TempFolder m_folder{"reversi-overlay"};
};

// An uncompressed true-colour TGA, rows bottom first, pixels as blue, green, red (, alpha).
void writeTga(const std::string& path, int width, int height, int depth, const std::vector<std::uint8_t>& pixels)
{
    std::ofstream out(path, std::ios::binary);
    const tgatest::Bytes bytes = tgatest::tgaFile(std::uint16_t(width), std::uint16_t(height), std::uint8_t(depth), pixels);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// 2 x 2: red and green along the bottom row, blue and white along the top.
const std::vector<std::uint8_t> FourColours = {
    0, 0, 255, 0, 255, 0,      // bottom: red, green
    255, 0, 0, 255, 255, 255,  // top: blue, white
};

void expectPixel(int x, int y, int r, int g, int b)
{
    const offscreen::Rgb pixel = offscreen::pixelAt(x, y);
    EXPECT_NEAR(pixel.r, r, 2) << "at " << x << ", " << y;
    EXPECT_NEAR(pixel.g, g, 2) << "at " << x << ", " << y;
    EXPECT_NEAR(pixel.b, b, 2) << "at " << x << ", " << y;
}

TEST_F(OverlayTest, TheVeilBlendsOrangeOverTheWholeWindow)
{
    struct Row {
        float alpha;
        int r, g, b;
    };
    const Row rows[] = {
        {0.5f, 128, 64, 0},
        {1.0f, 255, 128, 0},
        {1.2f, 255, 128, 0}, // the title's fade passes its peak as it is: still solid
        {0.0f, 51, 102, 153}, // no veil at all: the picture below stays as it is
        {-0.1f, 51, 102, 153},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.alpha);
        glClearColor(row.alpha > 0.0f ? 0.0f : 0.2f, row.alpha > 0.0f ? 0.0f : 0.4f, row.alpha > 0.0f ? 0.0f : 0.6f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        drawOrangeVeil(row.alpha);
        expectPixel(1, 1, row.r, row.g, row.b);
        expectPixel(512, 384, row.r, row.g, row.b);
        expectPixel(1022, 766, row.r, row.g, row.b);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

TEST_F(OverlayTest, TheCreditsPictureFillsTheWindowInItsOwnColours)
{
    const std::string path = picturePath("fond.tga");
    writeTga(path, 2, 2, 24, FourColours);
    CreditsBackground background(path);
    glEnable(GL_BLEND); // the background is drawn unblended whatever came before
    background.draw();
    EXPECT_TRUE(background.isLoaded());
    // Texel centres sit at a quarter and three quarters of the window each way.
    expectPixel(256, 192, 255, 0, 0);
    expectPixel(768, 192, 0, 255, 0);
    expectPixel(256, 576, 0, 0, 255);
    expectPixel(768, 576, 255, 255, 255);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(OverlayTest, TheCreditsPictureIsReadOnceAndKept)
{
    const std::string path = picturePath("fond-once.tga");
    writeTga(path, 2, 2, 24, FourColours);
    CreditsBackground background(path);
    background.draw();
    std::remove(path.c_str());
    glClear(GL_COLOR_BUFFER_BIT);
    background.draw();
    expectPixel(256, 192, 255, 0, 0);
}

TEST_F(OverlayTest, WithoutAUsablePictureTheCreditsStayBlack)
{
    const std::string thirtyTwoBits = picturePath("fond-32.tga");
    writeTga(thirtyTwoBits, 2, 2, 32, std::vector<std::uint8_t>(16, 255));
    const std::string shortFile = picturePath("fond-short.tga");
    writeTga(shortFile, 64, 64, 24, std::vector<std::uint8_t>(100, 255));

    for (const std::string& path : {picturePath("no-such-fond.tga"), thirtyTwoBits, shortFile}) {
        SCOPED_TRACE(path);
        CreditsBackground background(path);
        glClear(GL_COLOR_BUFFER_BIT);
        background.draw();
        background.draw();
        EXPECT_FALSE(background.isLoaded());
        expectPixel(512, 384, 0, 0, 0);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    }
}

} // namespace
