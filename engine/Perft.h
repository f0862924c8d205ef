#pragma once
// Perft: the number of move sequences of a given length, to check move generation and play/undo.
#include "engine/Position.h"

#include <cstdint>

namespace engine {

// Leaves of the game tree `depth` plies below `p`. A forced pass is one ply; a finished game is
// one leaf however many plies remain.
std::uint64_t perft(Position p, int depth);

} // namespace engine
