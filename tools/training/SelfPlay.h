#pragma once
// Training positions from self-play: games from random openings, played by the engine at a fixed
// depth with a little noise, every position labelled with an exact final disc difference.
#include "engine/PatternWeights.h"
#include "engine/Position.h"

#include <cstdint>
#include <vector>

namespace training {

struct Sample {
    engine::Position position;
    std::int8_t label; // exact final disc difference for the side to move, -64..64
    std::int32_t game; // which game it comes from (held-out sets are whole games)
};

struct SelfPlaySettings {
    int games = 1000;
    std::uint32_t seed = 1;
    int depth = 4;             // midgame search depth of every move, in plies
    int exactEmpties = 18;     // from here on the game is solved exactly, every position
    int openingMinPlies = 4;   // random moves at the start: between min and max, by the game's seed
    int openingMaxPlies = 10;
    double midgameNoise = 0.1; // chance that a midgame move is random instead of the search's
    double endgameNoise = 0.2; // same once solved exactly
    int threads = 1;
};

// Plays settings.games games (game g seeded from settings.seed and g only, so the samples do not
// depend on the number of threads) with `weights`, or the hand-tuned evaluation when nullptr.
// Positions come in game order; `progress` is called after each finished game (any thread).
std::vector<Sample> selfPlay(const SelfPlaySettings& settings, const engine::PatternWeights* weights,
                             void (*progress)(int finished, int total));

} // namespace training
