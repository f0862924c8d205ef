// The frame pacer on a scripted clock: at most 60 frames a second, no catch-up bursts, no drift.
#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A clock that only moves when told: frames "work" by advancing it, sleeps advance it by the
// time asked plus an optional overshoot, as a real sleep may.
class FakeClock : public FrameClock {
public:
    std::uint32_t now = 5000;
    std::uint32_t overshoot = 0;
    int sleeps = 0;

    std::uint32_t milliseconds() const override { return now; }
    void sleep(std::uint32_t milliseconds) override
    {
        ++sleeps;
        now += milliseconds + overshoot;
    }
};

// Runs `frames` frames whose work takes workMs(frame) and returns when each frame started.
template <typename Work>
std::vector<std::uint32_t> runFrames(FakeClock& clock, FramePacer& pacer, int frames, Work workMs)
{
    std::vector<std::uint32_t> starts;
    pacer.begin();
    for (int frame = 0; frame < frames; ++frame) {
        starts.push_back(clock.now);
        clock.now += workMs(frame);
        pacer.waitForNextFrame();
    }
    return starts;
}

// The most frame starts that fall in any one-second window [t, t + 1000).
int mostStartsInOneSecond(const std::vector<std::uint32_t>& starts)
{
    int most = 0;
    std::size_t first = 0;
    for (std::size_t last = 0; last < starts.size(); ++last) {
        while (starts[last] - starts[first] >= 1000)
            ++first;
        most = std::max(most, int(last - first + 1));
    }
    return most;
}

TEST(FramePacer, FastFramesRunAtSixtyASecond)
{
    struct Row {
        const char* what;
        std::uint32_t workMs;
        std::uint32_t overshootMs;
    };
    const Row rows[] = {
        {"frames that take no time", 0, 0},
        {"frames of 5 ms", 5, 0},
        {"frames of 16 ms", 16, 0},
        {"sleeps that overshoot by 1 ms", 3, 1},
        {"sleeps that overshoot by 2 ms", 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeClock clock;
        clock.overshoot = row.overshootMs;
        FramePacer pacer(clock);
        const auto starts = runFrames(clock, pacer, 1200, [&](int) { return row.workMs; });
        EXPECT_LE(mostStartsInOneSecond(starts), 60);
        // 1199 slots later the deadline still keeps the rate: a whole-millisecond sleep would
        // not (16 ms gives 62.5 a second, 17 ms 58.8), nor would overshooting sleeps that add up.
        const double elapsed = starts.back() - starts.front();
        EXPECT_NEAR(elapsed, 1199 * 1000.0 / 60.0, 3.0);
    }
}

TEST(FramePacer, SlowFramesAreNotHeldBack)
{
    FakeClock clock;
    FramePacer pacer(clock);
    const auto starts = runFrames(clock, pacer, 100, [](int) { return 25u; });
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_EQ(starts.back() - starts.front(), 99u * 25u);
}

TEST(FramePacer, AStallIsNotFollowedByABurstOfFrames)
{
    FakeClock clock;
    FramePacer pacer(clock);
    // Fast frames, one frame of 3 s in the middle, then fast frames again.
    const auto starts = runFrames(clock, pacer, 600, [](int frame) { return frame == 100 ? 3000u : 2u; });
    EXPECT_LE(mostStartsInOneSecond(starts), 60);
    for (std::size_t i = 102; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - starts[i - 1], 16u) << "frame " << i;
}

TEST(FramePacer, MixedFrameTimesNeverExceedTheCap)
{
    FakeClock clock;
    clock.overshoot = 1;
    FramePacer pacer(clock);
    // A repeating pattern of quick, slow and very slow frames.
    const std::uint32_t pattern[] = {1, 30, 2, 17, 0, 40, 5, 16, 12, 90};
    const auto starts = runFrames(clock, pacer, 3000, [&](int frame) { return pattern[frame % 10]; });
    EXPECT_LE(mostStartsInOneSecond(starts), 60);
}

TEST(FramePacer, KeepsTheCapAcrossTheTickCounterWrap)
{
    FakeClock clock;
    clock.now = 0xFFFFFFFFu - 500u;
    FramePacer pacer(clock);
    const auto starts = runFrames(clock, pacer, 120, [](int) { return 1u; });
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const std::uint32_t gap = starts[i] - starts[i - 1];
        EXPECT_GE(gap, 16u) << "frame " << i;
        EXPECT_LE(gap, 17u) << "frame " << i;
    }
}

TEST(FramePacer, WithoutBeginTheFirstFrameOpensTheSchedule)
{
    FakeClock clock;
    FramePacer pacer(clock);
    clock.now += 7;
    pacer.waitForNextFrame();
    EXPECT_EQ(clock.sleeps, 0);
    const std::uint32_t opened = clock.now;
    pacer.waitForNextFrame();
    EXPECT_EQ(clock.now - opened, 17u); // the first slot, 1000/60 rounded up
}

TEST(FramePacer, OtherRatesUseTheirOwnSlot)
{
    FakeClock clock;
    FramePacer pacer(clock, 30);
    const auto starts = runFrames(clock, pacer, 301, [](int) { return 0u; });
    EXPECT_EQ(starts[300] - starts[0], 10000u); // 300 slots of 1000/30 ms
}

} // namespace
