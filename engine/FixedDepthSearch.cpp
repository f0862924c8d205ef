// The same parts as the timed search (the root search, the midgame search, the exact solver and
// the table), put together without a deadline.
#include "engine/FixedDepthSearch.h"

#include "engine/EndgameSolver.h"
#include "engine/MidgameSearch.h"
#include "engine/MoveOrdering.h"
#include "engine/RootSearch.h"
#include "engine/Score.h"

#include <algorithm>

namespace engine {

FixedDepthSearch::FixedDepthSearch(std::size_t tableMegabytes)
    : m_table(tableMegabytes), m_context(m_table, m_neverStop)
{
}

FixedOutcome FixedDepthSearch::midgame(const Position& position, int depth)
{
    m_table.nextGeneration();
    Position p = position;
    MoveList moves;
    orderMoves(p, p.moves(), Ordering{}, moves);
    MidgameSearch search(m_context);
    FixedOutcome outcome;
    for (int d = 1; d <= std::max(depth, 1); ++d) {
        const RootOutcome root = searchRoot(p, moves, -Infinity, Infinity, m_context,
                                            [&](Position& c, int a, int b) { return search.value(c, d - 1, a, b); });
        outcome.move = root.move;
        outcome.value = root.value;
        moveToFront(moves, root.move);
    }
    return outcome;
}

FixedOutcome FixedDepthSearch::exact(Position p, int guess)
{
    m_table.nextGeneration();
    if (!p.moves()) {
        if (p.isOver())
            return {-1, p.finalDiff()};
        pass(p);
        return {-1, -exact(p, -guess).value};
    }
    MoveList moves;
    orderMoves(p, p.moves(), Ordering{}, moves);
    EndgameSolver solver(m_context);
    auto exactValue = [&](Position& c, int a, int b) { return solver.value(c, a, b); };
    int probe = std::clamp(guess, -MaxDiscs, MaxDiscs) & ~1; // every final difference is even
    for (;;) {
        const RootOutcome outcome = searchRoot(p, moves, probe - 1, probe + 1, m_context, exactValue);
        if (outcome.value == probe)
            return {outcome.move, probe};
        if (outcome.value > probe)
            moveToFront(moves, outcome.move);
        probe = outcome.value;
    }
}

int FixedDepthSearch::chooseMove(const Position& p, int depth, int exactEmpties)
{
    if (!p.moves())
        return -1;
    const FixedOutcome guess = midgame(p, std::min(depth, p.empties()));
    if (p.empties() > exactEmpties)
        return guess.move;
    return exact(p, guess.value / UnitsPerDisc).move;
}

} // namespace engine
