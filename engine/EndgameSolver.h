#pragma once
// The exact solver: the final disc difference under perfect play, searched to the end of the game.
#include "engine/LastSquares.h"
#include "engine/MidgameSearch.h"
#include "engine/MoveOrdering.h"
#include "engine/Position.h"
#include "engine/SearchContext.h"

namespace engine {

class EndgameSolver {
public:
    explicit EndgameSolver(SearchContext& context) : m_context(context), m_last(context), m_midgame(context) {}

    // The final disc difference (empty squares to the winner) for the side to move within the
    // window (alpha, beta), in discs; fail-soft. Leaves `position` as it found it. Meaningless
    // once the context has aborted.
    int value(Position& position, int alpha, int beta);

    // With a margin above 0 the search is selective: far from the end, a null-window position whose
    // shallow search lies `margin` discs beyond the window is taken to fail that way. Its results
    // then order the moves of an exact search that follows; 0 makes the search exact again.
    void setSelectiveMargin(int margin) { m_margin = margin; }

private:
    auto childValue();
    int withTable(Position& p, int alpha, int beta);
    int afterPass(Position& p, int alpha, int beta);

    SearchContext& m_context;
    LastSquares m_last;
    MidgameSearch m_midgame; // orders the moves far from the end
    int m_margin = 0;
};

} // namespace engine
