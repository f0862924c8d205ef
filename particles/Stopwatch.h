#pragma once
// Wall-clock seconds since the last reset, from SDL's millisecond tick counter.
// SDL_GetTicks counts from SDL_Init; before it, from the epoch, where a 32-bit float of seconds
// only moves in coarse steps — so SDL is started before any timing matters.
class Stopwatch {
public:
    Stopwatch() { reset(); }
    void reset();
    float elapsed() const; // seconds

private:
    float m_start = 0.0f; // seconds
};
