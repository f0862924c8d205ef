#pragma once
// What one search may spend: how deep its midgame iterations go, from how many empty squares it
// counts exactly to the end, how long it may think, and how close to the best a move must be to
// be picked at random instead. A level is one such set (Levels.h); the tools and the benchmarks
// give fixed ones without a clock, so that a position always gets the same answer.
#include <optional>

namespace engine {

struct SearchLimits {
    int depth = 60;                // deepest midgame iteration, in plies
    int exactFrom = 0;             // counts exactly when at most this many squares are empty
    std::optional<double> seconds; // the whole search's time; none: no clock (only stop() cuts it short)
    int randomMargin = 0;          // discs: moves this close to the best are picked at random; 0 none
    int threads = 1;               // threads that search together (HelperThreads.h); 1 this one alone
};

// The most threads a search may ask for.
constexpr int MaxThreads = 256;

// Limits with no clock and no random pick, for the tools and the benchmarks.
constexpr SearchLimits fixedLimits(int depth, int exactFrom = 0, int threads = 1)
{
    return {depth, exactFrom, std::nullopt, 0, threads};
}

} // namespace engine
