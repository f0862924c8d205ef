#pragma once
// Caps the main loop at a fixed number of frames a second.
//
// Frame n of a schedule may start no earlier than base + n x 1000 / rate milliseconds: a running
// deadline that advances by exactly 1000/60 ms for 60 frames a second, so whole-millisecond clock
// readings and sleeps that overshoot do not drift the rate, and no second ever holds more than
// `rate` frame starts. A frame that overruns its slot starts a new schedule from the moment it
// ends, so a slow frame or a stall is never followed by a burst of catch-up frames.
#include <cstdint>

// Where the pacer reads the time and waits; the game's is SDL's tick counter.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual std::uint32_t milliseconds() const = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

class FramePacer {
public:
    static constexpr std::uint32_t GameRate = 60; // frames a second

    explicit FramePacer(FrameClock& clock, std::uint32_t framesPerSecond = GameRate);

    // Called just before the first frame: opens the schedule with that frame as frame 0.
    void begin();
    // Called once after each frame: returns when the next frame may start. Without a begin,
    // the first call opens the schedule and does not wait.
    void waitForNextFrame();

private:
    std::uint32_t deadline() const; // milliseconds, on the clock

    FrameClock& m_clock;
    std::uint32_t m_rate;
    bool m_started = false;
    std::uint32_t m_base = 0;   // start of the current schedule, milliseconds
    std::uint32_t m_frame = 0;  // frames since m_base
};
