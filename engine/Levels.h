#pragma once
// The computer opponent's strength levels, 1 (beginner) to 5 (strongest): each is a set of search
// limits, played by the clock.
#include "engine/SearchLimits.h"

namespace engine {

constexpr int MinLevel = 1, MaxLevel = 5, DefaultLevel = 3;

// The limits of `level`, clamped to MinLevel..MaxLevel.
SearchLimits levelLimits(int level);

} // namespace engine
