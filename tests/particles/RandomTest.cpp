// randomRange: the mapping of a draw onto [a, b] and the draws themselves.
#include "particles/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr float Pi = 3.1415927f;

TEST(RandomRange, DrawZeroGivesAAndTheLastDrawGivesB)
{
    const struct {
        float a, b;
    } ranges[] = {{-Pi, Pi}, {0.5f, 2.0f}, {0.0f, 1.0f}, {50.0f, 200.0f}, {2.0f, 0.5f}, {1.0f, 1.0f}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(testing::Message() << r.a << ".." << r.b);
        EXPECT_EQ(randomRangeFromDraw(r.a, r.b, 0), r.a);
        EXPECT_EQ(randomRangeFromDraw(r.a, r.b, RandomDrawMax), r.b);
        EXPECT_NEAR(randomRangeFromDraw(r.a, r.b, 16384), (r.a + r.b) / 2, 1e-3f * (1 + std::abs(r.b)));
    }
}

TEST(RandomRange, StaysWithinItsBounds)
{
    std::srand(12345);
    float lowest = 10.0f;
    float highest = -10.0f;
    for (int i = 0; i < 100000; ++i) {
        const float v = randomRange(-Pi, Pi);
        ASSERT_GE(v, -Pi);
        ASSERT_LE(v, Pi);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        const float r = randomRange(0.5f, 2.0f);
        ASSERT_GE(r, 0.5f);
        ASSERT_LE(r, 2.0f);
    }
    // Both ends of the range are reached, not only its middle.
    EXPECT_LT(lowest, -3.1f);
    EXPECT_GT(highest, 3.1f);
}

TEST(RandomRange, DrawsCoverFifteenBits)
{
    std::srand(777);
    std::uint32_t highest = 0;
    std::uint32_t oddDraws = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t d = randomDraw();
        ASSERT_LE(d, RandomDrawMax);
        highest = std::max(highest, d);
        oddDraws += d & 1u;
    }
    EXPECT_GT(highest, RandomDrawMax - 100);
    EXPECT_GT(oddDraws, 45000u);
    EXPECT_LT(oddDraws, 55000u);
}

} // namespace
