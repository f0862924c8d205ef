#pragma once
// An offscreen OpenGL context (OSMesa) for tests of code that reaches OpenGL.
//
// One context per test process, 1024 x 768 like the game's window, made current on first use and
// kept until the process ends: the one-of-a-kind objects under test (the particle pool, the
// renderer) keep texture names that must stay valid from one test to the next.
#include <gtest/gtest.h>

#include <cstdint>

namespace offscreen {

constexpr int Width = 1024;
constexpr int Height = 768;

// Makes the context current (creating it on the first call) and starts SDL's clock, so that
// SDL_GetTicks counts from zero. Returns false when no context could be made.
bool makeCurrent();

// The colour buffer, RGBA bytes, bottom row first (OpenGL's order). Valid after makeCurrent.
const std::uint8_t* pixels();

// RGB of the pixel at (x, y) in window coordinates (origin bottom left), after glFinish.
struct Rgb {
    int r, g, b;
};
Rgb pixelAt(int x, int y);

} // namespace offscreen

// Fixture for tests that touch OpenGL: the context is current and really is OSMesa.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
};
