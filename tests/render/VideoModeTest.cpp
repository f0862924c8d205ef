// The video mode the game asks SDL for, and the order its attributes are set in.
#include "render/VideoMode.h"

#include <gtest/gtest.h>

namespace {

VideoSettings gameSettings(bool doubleBuffer = true, bool fullScreen = true)
{
    return VideoSettings(1024, 768, 8, 8, 8, 0, 16, 0, 0, doubleBuffer, fullScreen);
}

using Attributes = std::vector<std::pair<int, int>>;

TEST(VideoMode, GameSettingsAskForAFullScreenOpenGlModeOf24Bits)
{
    EXPECT_EQ(videoModeFlags(gameSettings()), 0x80000002u);
    EXPECT_EQ(bitsPerPixel(gameSettings()), 24);
    EXPECT_EQ(videoModeFlags(gameSettings(true, false)), 0x2u) << "windowed: OpenGL alone";
    EXPECT_EQ(bitsPerPixel(VideoSettings(640, 480, 5, 6, 5, 1, 24, 8, 0, false, false)), 17);
}

TEST(VideoMode, AttributesGoToAccumulationSizesThenSwapControl)
{
    // Numbers are SDL 1.2's: 5 double buffer, 6 depth, 7 stencil, 8..11 accumulation red to
    // alpha, 16 swap control.
    EXPECT_EQ(glAttributes(gameSettings()),
              (Attributes{{5, 1}, {6, 16}, {7, 0}, {8, 8}, {9, 8}, {10, 8}, {11, 0}, {16, 1}}));
    EXPECT_EQ(glAttributes(VideoSettings(320, 200, 1, 2, 3, 4, 5, 6, 7, false, true)),
              (Attributes{{5, 0}, {6, 5}, {7, 6}, {8, 1}, {9, 2}, {10, 3}, {11, 4}, {16, 1}}));
}

TEST(VideoMode, SettingsReadBackWhatWasGiven)
{
    const VideoSettings s(800, 600, 1, 2, 3, 4, 5, 6, 7, false, true);
    const VideoSettings copy = s; // a plain record, copied by value
    EXPECT_EQ(copy.width(), 800u);
    EXPECT_EQ(copy.height(), 600u);
    EXPECT_EQ(copy.redBits(), 1);
    EXPECT_EQ(copy.greenBits(), 2);
    EXPECT_EQ(copy.blueBits(), 3);
    EXPECT_EQ(copy.alphaBits(), 4);
    EXPECT_EQ(copy.depthBits(), 5);
    EXPECT_EQ(copy.stencilBits(), 6);
    EXPECT_FALSE(copy.doubleBuffer());
    EXPECT_TRUE(copy.fullScreen());
}

} // namespace
