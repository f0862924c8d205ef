#pragma once
// The computer opponent's strength levels, 1 (beginner) to 5 (strongest): each is a set of search
// limits, played by the clock; and each level's analysis of a game, fixed limits with no clock.
#include "engine/SearchLimits.h"

namespace engine {

constexpr int MinLevel = 1, MaxLevel = 5, DefaultLevel = 3;

// The limits of `level`, clamped to MinLevel..MaxLevel.
SearchLimits levelLimits(int level);
// The same, the strongest level searching on `threads` threads (the others keep to one: their
// searches are too short to share).
SearchLimits levelLimits(int level, int threads);
// The limits `level` judges a game's moves with (Search::valueAllMoves), clamped likewise: a fixed
// depth and exact-from, no clock, so that a verdict never depends on the machine's speed.
SearchLimits analysisLimits(int level);

} // namespace engine
