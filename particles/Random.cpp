#include "particles/Random.h"

#include <cstdlib>

static_assert(RAND_MAX >= 32767, "the C standard guarantees at least 15 random bits");
static_assert((unsigned(RAND_MAX) + 1u) % (RandomDrawMax + 1u) == 0,
              "draws stay uniform only when RAND_MAX + 1 is a multiple of 32768");

namespace {
// The single-precision value nearest 1 / 32767; with it a draw of 32767 lands exactly on b.
constexpr float InverseDrawMax = 3.0518509e-05f;
}

std::uint32_t randomDraw()
{
    // Keep the high bits: with a 31-bit rand() they are the better ones.
    const unsigned divisor = (unsigned(RAND_MAX) + 1u) / (RandomDrawMax + 1u);
    return unsigned(std::rand()) / divisor;
}

float randomRangeFromDraw(float a, float b, std::uint32_t draw)
{
    return a + float(draw) * (b - a) * InverseDrawMax;
}

float randomRange(float a, float b)
{
    return randomRangeFromDraw(a, b, randomDraw());
}
