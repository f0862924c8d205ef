#include "engine/MidgameSearch.h"

#include "engine/Evaluation.h"
#include "engine/MoveOrdering.h"

namespace engine {
namespace {

// Below this remaining depth the table and the reply-count ordering cost more than they save.
constexpr int TableMinDepth = 2;
constexpr int ReplyOrderingMinDepth = 3;

} // namespace

int MidgameSearch::value(Position& p, int depth, int alpha, int beta)
{
    if (m_context.abortAtNode())
        return 0;
    if (depth <= 0)
        return evaluate(p);
    const Bits moves = p.moves();
    if (!moves) {
        if (!legalMoves(p.opponent, p.player))
            return p.finalDiff() * UnitsPerDisc;
        pass(p);
        const int v = -value(p, depth, -beta, -alpha);
        pass(p);
        return v;
    }

    int tableMove = -1;
    if (depth >= TableMinDepth) {
        if (const TableEntry* entry = m_context.table.find(p)) {
            tableMove = entry->move;
            if (entry->depth >= depth) {
                if (entry->lower >= beta || entry->lower == entry->upper)
                    return entry->lower;
                if (entry->upper <= alpha)
                    return entry->upper;
            }
        }
    }

    MoveList list;
    orderMoves(p, moves, Ordering{tableMove, depth >= ReplyOrderingMinDepth, 0}, list);
    const int alphaAtStart = alpha;
    int best = -Infinity;
    int bestMove = -1;
    for (int i = 0; i < list.count; ++i) {
        playFlips(p, list.squares[i], list.flips[i]);
        int v;
        if (i == 0) {
            v = -value(p, depth - 1, -beta, -alpha);
        } else {
            // Prove the move worse with a null window; search it fully only if that fails.
            v = -value(p, depth - 1, -alpha - 1, -alpha);
            if (v > alpha && v < beta && !m_context.aborted)
                v = -value(p, depth - 1, -beta, -alpha);
        }
        undo(p, list.squares[i], list.flips[i]);
        if (m_context.aborted)
            return 0;
        if (v > best) {
            best = v;
            bestMove = list.squares[i];
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
    }
    if (depth >= TableMinDepth)
        m_context.table.store(p, depth, alphaAtStart, beta, best, bestMove);
    return best;
}

} // namespace engine
