#include "engine/MidgameSearch.h"

#include "engine/Evaluation.h"
#include "engine/HelperThreads.h"
#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"

namespace engine {
namespace {

// Below this remaining depth the table and the reply-count ordering cost more than they save.
// 4 and 2: FFO #40-#44 in 107 M nodes searched, fewest (engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
constexpr int TableMinDepth = 4;
constexpr int ReplyOrderingMinDepth = 2;
// From this depth on, a node's moves may be shared between threads once the first is searched.
constexpr int SplitMinDepth = 5;

} // namespace

int MidgameSearch::value(Position& p, int depth, int alpha, int beta)
{
    if (m_context.abortAtNode())
        return 0;
    if (depth <= 0)
        return m_context.evaluator(p);
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
        if (const auto entry = m_context.table.find(p)) {
            tableMove = entry->move;
            if (entry->depth == depth || (entry->depth > depth && !m_context.sameDepthOnly)) {
                if (entry->lower >= beta || entry->lower == entry->upper)
                    return entry->lower;
                if (entry->upper <= alpha)
                    return entry->upper;
            }
        }
    }

    MoveList list;
    const Ordering ordering{tableMove, depth >= ReplyOrderingMinDepth, 0};
    orderMoves(p, moves, ordering, list);
    m_context.childrenLookedAt += childrenWeighed(moves, ordering);
    const LoopOutcome best = searchMovesSplitting(
        p, list, alpha, beta, m_context, [&](Position& child, int a, int b) { return value(child, depth - 1, a, b); },
        ChildSearch{false, 0, depth - 1}, depth >= SplitMinDepth);
    if (m_context.aborted)
        return 0;
    if (depth >= TableMinDepth)
        m_context.table.store(p, depth, alpha, beta, best.value, best.move);
    return best.value;
}

} // namespace engine
