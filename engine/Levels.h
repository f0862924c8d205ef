#pragma once
// The computer opponent's strength levels, 1 (beginner) to 5 (strongest).
namespace engine {

struct LevelSettings {
    int maxDepth;          // deepest midgame iteration, in plies
    int exactEmpties;      // solve exactly from this many empty squares on
    double secondsPerMove; // the time budget of one move
    int randomMargin;      // moves within this many discs of the best are picked at random; 0 = none
};

constexpr int MinLevel = 1, MaxLevel = 5, DefaultLevel = 3;

// The settings of `level`, clamped to MinLevel..MaxLevel.
LevelSettings levelSettings(int level);

} // namespace engine
