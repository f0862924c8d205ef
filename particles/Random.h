#pragma once
// Uniform random floats for scattering particles, drawn from the C library's rand().
// The generator is never seeded by the game, so every run scatters the same way.
#include <cstdint>

constexpr std::uint32_t RandomDrawMax = 32767; // draws run 0..RandomDrawMax, like a 15-bit rand()

// One integer draw, uniform in 0..RandomDrawMax, whatever the library's RAND_MAX is.
std::uint32_t randomDraw();

// a + draw x (b - a) x (1 / RandomDrawMax): a for a draw of 0, b for RandomDrawMax.
float randomRangeFromDraw(float a, float b, std::uint32_t draw);

// A uniform float from a to b (either order): one randomDraw().
float randomRange(float a, float b);
