#include "app/FramePacer.h"

FramePacer::FramePacer(FrameClock& clock, std::uint32_t framesPerSecond)
    : m_clock(clock)
    , m_rate(framesPerSecond > 0 ? framesPerSecond : 1)
{
}

std::uint32_t FramePacer::deadline() const
{
    // Rounded up to the clock's whole milliseconds, so a frame never starts early.
    const std::uint64_t offset = (std::uint64_t(m_frame) * 1000u + m_rate - 1) / m_rate;
    return m_base + std::uint32_t(offset);
}

void FramePacer::begin()
{
    m_started = true;
    m_base = m_clock.milliseconds();
    m_frame = 0;
}

void FramePacer::waitForNextFrame()
{
    std::uint32_t now = m_clock.milliseconds();
    ++m_frame;
    // Differences of unsigned readings stay right across the 49-day wrap of a 32-bit counter.
    std::int32_t remaining = std::int32_t(deadline() - now);
    if (!m_started || remaining < 0) {
        // The frame about to start opens a new schedule: it is frame 0 of it.
        m_started = true;
        m_base = now;
        m_frame = 0;
        return;
    }
    while (remaining > 0) {
        m_clock.sleep(std::uint32_t(remaining));
        now = m_clock.milliseconds();
        remaining = std::int32_t(deadline() - now);
    }
}
