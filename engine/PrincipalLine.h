#pragma once
// The principal variation: the line of play a search result stands on, from its best move on.
//
// A line is a list of squares, -1 standing for a pass; every move in it is legal where it is played.
#include "engine/Position.h"
#include "engine/SearchContext.h"

#include <vector>

namespace engine {

// The line behind an exact result: `first` (a legal move, or -1 when the side to move must pass),
// then at each position a move that keeps the final disc difference `value` (for the side to move
// at `position`), to the end of the game. Each step is proved with the exact solver, the table's
// move tried first, so after a solve it costs little. Shorter if the context aborts.
std::vector<int> exactLine(SearchContext& context, Position position, int first, int value);

// The line a midgame search left in the table: `first`, then the table's best move of each
// position reached while there is one, at most `length` moves (passes included).
std::vector<int> tableLine(const SearchContext& context, Position position, int first, int length);

} // namespace engine
