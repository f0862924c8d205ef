#pragma once
// The top of a search: every move of the position to decide, on the principal line (see
// MoveLoop.h), shared by the midgame iterations and the exact solver.
#include "engine/HelperThreads.h"
#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"
#include "engine/SearchContext.h"

namespace engine {

struct RootOutcome {
    int move = -1;         // best move found, -1 if not even the first move was searched
    int value = 0;         // its value: exact inside the window, a bound outside it
    bool complete = false; // every move was searched
};

// `childValue(position, alpha, beta)` is the value of the position after a move, for the side then
// to move; `job` the same search for the threads that help (HelperThreads.h). When the context
// aborts part way, `move` is the best among the moves searched to the end (the first move, or a
// later one proved better than it), and `complete` is false.
template <class ChildValue>
RootOutcome searchRoot(Position& root, const MoveList& moves, int alpha, int beta, SearchContext& context,
                       ChildValue childValue, const ChildSearch& job)
{
    const LoopOutcome best = context.helpers
                                 ? searchMovesSplitting(root, moves, alpha, beta, context, childValue, job, true)
                                 : searchPrincipal(root, moves, alpha, beta, context, childValue);
    RootOutcome outcome;
    outcome.move = best.move;
    outcome.value = best.move >= 0 ? best.value : 0;
    outcome.complete = !context.aborted;
    return outcome;
}

// Moves `square` to the front of the list, keeping the others in order.
inline void moveToFront(MoveList& moves, int square)
{
    for (int i = 0; i < moves.count; ++i) {
        if (moves.squares[i] != square)
            continue;
        const Bits flips = moves.flips[i];
        for (; i > 0; --i) {
            moves.squares[i] = moves.squares[i - 1];
            moves.flips[i] = moves.flips[i - 1];
        }
        moves.squares[0] = square;
        moves.flips[0] = flips;
        return;
    }
}

} // namespace engine
