#pragma once
// The depth-limited search: negamax alpha-beta with the move loops of MoveLoop.h, the table, and
// the evaluation at the horizon.
#include "engine/Position.h"
#include "engine/SearchContext.h"

namespace engine {

class MidgameSearch {
public:
    explicit MidgameSearch(SearchContext& context) : m_context(context) {}

    // The value of `position` for the side to move, searched `depth` plies deep within the window
    // (alpha, beta), in evaluation units; fail-soft. A pass does not count as a ply here. Leaves
    // `position` as it found it. Meaningless once the context has aborted.
    int value(Position& position, int depth, int alpha, int beta);

private:
    SearchContext& m_context;
};

} // namespace engine
