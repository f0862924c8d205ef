// What each level plays like (with the learnt evaluation; how each was measured: docs/engine-figures.md):
//
//   Level 1  Beginner. Looks one move and the reply ahead, plays any move within 12 discs of the
//            best it sees, and counts the game out exactly only over the last 6 empty squares.
//            0.1 s. Beats a random mover, loses most games to a 3-ply weighted-squares player.
//   Level 2  Casual. Looks 4 moves ahead, still picks among moves within 2 discs of the best, and
//            plays perfectly over the last 10 empty squares. 0.3 s.
//   Level 3  Club player. Looks 5 moves ahead, always plays its best move, perfect over the last 12
//            empty squares. 0.6 s.
//   Level 4  Strong. Looks 8 moves ahead, perfect over the last 16 empty squares. 1 s. (Plies and
//            exact squares short of level 5's usual reach, so that level 5 stays clearly the
//            stronger.)
//   Level 5  Strongest. Searches deeper and deeper for about 2 s a move and plays perfectly over the
//            last 22 empty squares when the count finishes within those 2 s (from 20 it nearly
//            always does).
//
// A level never thinks longer than its time: when a search runs out of time, it plays the best move
// of its last finished iteration (and, for an exact count that did not finish, the midgame choice).
#include "engine/Levels.h"

#include <algorithm>

namespace engine {
namespace {

// Depth, exact from, seconds per move, random margin.
constexpr SearchLimits Table[MaxLevel] = {
    {2, 6, 0.1, 12},
    {4, 10, 0.3, 2},
    {5, 12, 0.6, 0},
    {8, 16, 1.0, 0},
    {60, 22, 2.0, 0},
};

// Analysis: depth and exact-from; how long a whole game takes at each: docs/engine-figures.md.
constexpr SearchLimits AnalysisTable[MaxLevel] = {
    fixedLimits(4, 12),
    fixedLimits(6, 14),
    fixedLimits(8, 16),
    fixedLimits(10, 18),
    fixedLimits(12, 22),
};

} // namespace

SearchLimits levelLimits(int level)
{
    return Table[std::clamp(level, MinLevel, MaxLevel) - MinLevel];
}

SearchLimits levelLimits(int level, int threads)
{
    SearchLimits limits = levelLimits(level);
    if (level >= MaxLevel)
        limits.threads = std::clamp(threads, 1, MaxThreads);
    return limits;
}

SearchLimits analysisLimits(int level)
{
    return AnalysisTable[std::clamp(level, MinLevel, MaxLevel) - MinLevel];
}

} // namespace engine
