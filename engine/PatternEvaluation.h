#pragma once
// The learnt evaluation: the sum of the weights of a position's pattern configurations, mobilities
// and parity at its stage of the game.
#include "engine/PatternWeights.h"
#include "engine/Position.h"

#include <cstddef>
#include <cstdint>

namespace engine {

// In evaluation units (Score.h), for the side to move; strictly between -64 and +64 discs.
int patternEvaluate(const Position& position, const PatternWeights& weights);

// The compact weights (within the stage of `position`) that patternEvaluate adds up: what the
// training fits.
void compactFeatures(const Position& position, std::uint32_t out[FeaturesPerPosition]);

// The weights built into the program, decoded on first use (about 0.07 s, inside the computer's
// first move, on its thread). Weights that cannot be decoded stop the program
// (decodeBuiltInWeights); the tests make sure the committed file decodes.
const PatternWeights& builtInWeights();

// The exit status of a program whose built-in weights cannot be decoded: 70, the EX_SOFTWARE of
// sysexits.h (the program itself is broken, not its input).
constexpr int BrokenWeightsExitStatus = 70;
// What builtInWeights() does with the bytes built in: the weights they hold or, when they cannot be
// decoded, "reversi: the built-in evaluation weights cannot be decoded: REASON" on stderr and the
// end of the process with BrokenWeightsExitStatus. It ends at once (std::_Exit), as it may be on a
// search's thread while the game's own thread goes on with the objects an exit() would destroy.
PatternWeights decodeBuiltInWeights(const unsigned char* bytes, std::size_t size);

} // namespace engine
