// The title's veil fade and board spin, frame by frame.
#include "app/screens/TitleAnimation.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleAnimation, FadesInPastFullThenShowsTheBoardAndFadesOutTwiceAsFast)
{
    TitleAnimation title;
    int frame = 0;
    float before = title.fade();
    while (!title.shown() && frame < 1000) {
        before = title.fade();
        title.advance();
        ++frame;
        if (!title.shown()) {
            EXPECT_NEAR(title.fade() - before, 0.005f, 1e-5f) << "frame " << frame;
        }
    }
    // (1.2 - 0.5) / 0.005 = 140 steps reach 1.2; the first value above it ends the fade-in.
    EXPECT_GE(frame, 140);
    EXPECT_LE(frame, 141);
    EXPECT_LE(before, 1.2f);
    EXPECT_GT(title.fade(), 1.2f); // drawn as it is: OpenGL clamps the alpha to 1

    const int shownAt = frame;
    const float peak = title.fade();
    title.advance();
    EXPECT_NEAR(peak - title.fade(), 0.01f, 1e-5f);
    while (title.fade() > 0.0f && frame < 2000) {
        const float last = title.fade();
        title.advance();
        ++frame;
        EXPECT_TRUE(title.shown());
        EXPECT_GE(title.fade(), 0.0f);
        EXPECT_LE(title.fade(), last);
    }
    // About 1.2 / 0.01 frames to clear, never below zero.
    EXPECT_NEAR(frame - shownAt, 121, 2);
    for (int i = 0; i < 50; ++i)
        title.advance();
    EXPECT_EQ(title.fade(), 0.0f);
    EXPECT_TRUE(title.shown());
}

TEST(TitleAnimation, SpinsOneDegreeEveryFrameWithoutWrapping)
{
    TitleAnimation title;
    for (int i = 0; i < 400; ++i)
        title.advance();
    EXPECT_FLOAT_EQ(title.spin(), 400.0f);
}

} // namespace
