// Two stages by the number of empty squares left: the last few go to LastSquares (no table, no
// move list); before them the table, moves ordered by fewest replies with odd quadrants favoured,
// and the move loops of MoveLoop.h; the opponent's stable discs and the children's table entries
// may settle a position before any move is searched. Far from the end the reply count alone
// misjudges too many moves: there each move is also weighed by a shallow midgame search of the
// position after it, deeper the more squares are empty. Steps left out: docs/engine-notes.md.
//
// A selective search (a margin above 0) takes a null-window position far from the end to fail the
// way a shallow search says when that search lies the margin beyond the bound; its results go to
// the table as SelectiveDepth, which only a selective search trusts (an exact one takes their moves).
#include "engine/EndgameSolver.h"

#include "engine/HelperThreads.h"
#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"
#include "engine/Score.h"
#include "engine/Stability.h"
#include "engine/TranspositionTable.h"

#include <algorithm>

namespace engine {
namespace {

// From this many empty squares on, the table is asked about every child before any is searched.
// 8 and 12 were no faster (docs/engine-notes.md; engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
constexpr int ChildProbeMinEmpties = 10;
// From this many empty squares on, moves are also ordered by a shallow search (see above).
// 12 and 18, or one ply more or less, visited more nodes (dated: docs/engine-notes.md).
constexpr int SearchOrderingMinEmpties = 15;
// What a disc of that search's verdict weighs in the ordering key, against 10 for a reply
// (MoveOrdering.cpp). 12 to 20 alike, 24 worse (dated: docs/engine-notes.md).
constexpr int SearchOrderingKeyPerDisc = 16;

// From this many empty squares on, a node's moves may be shared between threads once the first is
// searched (HelperThreads.h); below, a move's search is too short to pay for the handing out.
constexpr int SplitMinEmpties = 12;

int searchOrderingDepth(int empties) { return std::clamp((empties - 12) / 3, 1, 6); }

// A selective search asks its shallow search from this many empty squares on, this deep.
constexpr int SelectiveMinEmpties = 12;
int selectiveProbeDepth(int empties) { return std::clamp((empties - 8) / 3, 1, 8); }

} // namespace

int EndgameSolver::value(Position& p, int alpha, int beta)
{
    if (p.empties() <= LastSquares::MaxEmpties)
        return m_last.value(p, alpha, beta);
    return withTable(p, alpha, beta);
}

// The side to move has no move: the game ends, or the other side plays on.
int EndgameSolver::afterPass(Position& p, int alpha, int beta)
{
    if (!legalMoves(p.opponent, p.player))
        return p.finalDiff();
    pass(p);
    const int v = -value(p, -beta, -alpha);
    pass(p);
    return v;
}

// value() as the move loops' child search.
auto EndgameSolver::childValue()
{
    return [this](Position& child, int alpha, int beta) { return value(child, alpha, beta); };
}

int EndgameSolver::withTable(Position& p, int alpha, int beta)
{
    if (m_context.abortAtNode())
        return 0;
    const Bits moves = p.moves();
    if (!moves)
        return afterPass(p, alpha, beta);

    // The opponent's discs that can never be flipped cap what the side to move can reach.
    int bound;
    if (stabilityCutoff(p, alpha, bound))
        return bound;
    int tableMove = -1;
    if (const auto entry = m_context.table.find(p)) {
        tableMove = entry->move;
        if (entry->depth == ExactDepth || (m_margin > 0 && entry->depth == SelectiveDepth)) {
            const int lower = unitsToDiscs(entry->lower);
            const int upper = unitsToDiscs(entry->upper);
            if (lower >= beta || lower == upper)
                return lower;
            if (upper <= alpha)
                return upper;
        }
    }

    const int empties = p.empties();
    if (m_margin > 0 && beta == alpha + 1 && empties >= SelectiveMinEmpties) {
        // A null window decides only a side of the bound: a shallow search well beyond it decides.
        const int depth = selectiveProbeDepth(empties);
        const int high = discsToUnits(beta + m_margin);
        if (high < discsToUnits(MaxDiscs) && m_midgame.value(p, depth, high - 1, high) >= high)
            return beta;
        const int low = discsToUnits(alpha - m_margin);
        if (low > -discsToUnits(MaxDiscs) && m_midgame.value(p, depth, low, low + 1) <= low)
            return alpha;
    }
    if (empties > LastSquares::MaxEmpties + 1) {
        // The children that will look in the table have their buckets asked for all at once, so
        // that the loads from memory overlap instead of each stalling its own look-up.
        for (Bits left = moves; left; left &= left - 1) {
            const int square = firstSquare(left);
            const Bits flips = flipsOf(p.player, p.opponent, square);
            m_context.table.prefetch(Position{p.opponent & ~flips, p.player | flips | bitOf(square)});
        }
    }
    if (empties >= ChildProbeMinEmpties) {
        // A child already proved at or below -beta refutes this position without a search (the
        // best such bound is returned). Asked before the moves are ordered, which may cost searches.
        int refuted = -DiscLimit;
        for (Bits left = moves; left; left &= left - 1) {
            const int square = firstSquare(left);
            const Bits flips = flipsOf(p.player, p.opponent, square);
            playFlips(p, square, flips);
            const auto child = m_context.table.find(p);
            const int childUpper = child && child->depth == ExactDepth ? unitsToDiscs(child->upper) : DiscLimit;
            undo(p, square, flips);
            refuted = std::max(refuted, -childUpper);
        }
        m_context.childrenLookedAt += popCount(moves);
        if (refuted >= beta)
            return refuted;
    }

    MoveList list;
    const bool searchOrdering = empties >= SearchOrderingMinEmpties;
    const Ordering ordering{tableMove, true, searchOrdering ? 0 : oddQuadrants(p.empty())};
    if (searchOrdering) {
        const int depth = searchOrderingDepth(empties);
        orderMoves(p, moves, ordering, list, [&](Position& child) {
            // The child's value is the opponent's: the higher, the later the move is tried.
            return m_midgame.value(child, depth, -Infinity, Infinity) * SearchOrderingKeyPerDisc / UnitsPerDisc;
        });
    } else {
        orderMoves(p, moves, ordering, list);
    }
    m_context.childrenLookedAt += childrenWeighed(moves, ordering);
    const LoopOutcome best = searchMovesSplitting(p, list, alpha, beta, m_context, childValue(),
                                                  ChildSearch{true, m_margin, 0}, empties >= SplitMinEmpties);
    if (m_context.aborted)
        return 0;
    m_context.table.store(p, m_margin > 0 ? SelectiveDepth : ExactDepth, discsToUnits(alpha), discsToUnits(beta),
                          discsToUnits(best.value), best.move);
    return best.value;
}

} // namespace engine
