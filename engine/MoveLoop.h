#pragma once
// The two move loops of every search (midgame, exact endgame and the root), written once.
//
// A search is called either on the principal line, with a full window (alpha, beta) whose value it
// must find, or elsewhere with a null window (alpha, alpha + 1), where it only has to say on which
// side of the bound the value lies. On the principal line the first move gets the full window and
// every later move first a null window that only has to prove it no better; one that proves better
// is searched again in full (principal variation search). Off the line every move gets the null
// window, and the first one that reaches beta ends the loop.
//
// `child(position, alpha, beta)` is the value of the position after a move, for the side then to
// move. The loops are fail-soft: the value may lie outside the window, as a bound.
#include "engine/MoveOrdering.h"
#include "engine/Score.h"
#include "engine/SearchContext.h"

namespace engine {

struct LoopOutcome {
    int value = -Infinity; // best value found (-Infinity before the first move finishes)
    int move = -1;         // the move that reached it, -1 none
};

// When the context aborts part way, the outcome is the best among the moves searched to the end.
template <class Child>
LoopOutcome searchPrincipal(Position& p, const MoveList& list, int alpha, int beta, const SearchContext& context,
                            Child child)
{
    LoopOutcome best;
    for (int i = 0; i < list.count; ++i) {
        playFlips(p, list.squares[i], list.flips[i]);
        int v;
        if (i == 0) {
            v = -child(p, -beta, -alpha);
        } else {
            v = -child(p, -alpha - 1, -alpha);
            if (v > alpha && v < beta && !context.aborted)
                v = -child(p, -beta, -alpha);
        }
        undo(p, list.squares[i], list.flips[i]);
        if (context.aborted)
            return best;
        if (v > best.value) {
            best.value = v;
            best.move = list.squares[i];
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
    }
    return best;
}

// The window is (alpha, alpha + 1).
template <class Child>
LoopOutcome searchNullWindow(Position& p, const MoveList& list, int alpha, const SearchContext& context, Child child)
{
    LoopOutcome best;
    for (int i = 0; i < list.count; ++i) {
        playFlips(p, list.squares[i], list.flips[i]);
        const int v = -child(p, -alpha - 1, -alpha);
        undo(p, list.squares[i], list.flips[i]);
        if (context.aborted)
            return best;
        if (v > best.value) {
            best.value = v;
            best.move = list.squares[i];
            if (v > alpha)
                break;
        }
    }
    return best;
}

// The loop the window calls for.
template <class Child>
LoopOutcome searchMoves(Position& p, const MoveList& list, int alpha, int beta, const SearchContext& context,
                        Child child)
{
    return beta - alpha > 1 ? searchPrincipal(p, list, alpha, beta, context, child)
                            : searchNullWindow(p, list, alpha, context, child);
}

} // namespace engine
