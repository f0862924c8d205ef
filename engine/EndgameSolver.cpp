// Two stages by the number of empty squares left: the last few go to LastSquares (no table, no
// move list); before them the table, moves ordered by fewest replies with odd quadrants favoured,
// and the move loops of MoveLoop.h; the opponent's stable discs and the children's table entries
// may settle a position before any move is searched.
//
// Measured and left out: ordering the moves far from the end (14 or more empty squares) by a shallow
// midgame search visited 9% more nodes on FFO #40-#44 than the reply count (depth 0 from 12 empty
// squares: 50% more); the two mixed saved 6% of the nodes, less than the searches cost.
#include "engine/EndgameSolver.h"

#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"
#include "engine/Score.h"
#include "engine/Stability.h"
#include "engine/TranspositionTable.h"

namespace engine {
namespace {

// Proving that the opponent's stable discs keep the side to move at or below alpha only pays when
// alpha is high. (Checking from -64 or from 16 visits the same nodes on FFO #40-#44; counting all
// stable discs instead of the edges' saved 0.3 to 4% of the nodes and cost more time than that.)
constexpr int StabilityCheckFrom = 0;
// From this many empty squares on, the table is asked about every child before any is searched.
// (8 visits 2% fewer nodes than 10 on FFO #40-#44, 12 4% more; neither took less time.)
constexpr int ChildProbeMinEmpties = 10;

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
    if (alpha >= StabilityCheckFrom) {
        const int reachable = 64 - 2 * popCount(edgeStableDiscs(p.opponent, ~p.empty()));
        if (reachable <= alpha)
            return reachable;
    }
    int tableMove = -1;
    if (const TableEntry* entry = m_context.table.find(p)) {
        tableMove = entry->move;
        if (entry->depth == ExactDepth) {
            const int lower = unitsToDiscs(entry->lower);
            const int upper = unitsToDiscs(entry->upper);
            if (lower >= beta || lower == upper)
                return lower;
            if (upper <= alpha)
                return upper;
        }
    }

    MoveList list;
    orderMoves(p, moves, Ordering{tableMove, true, oddQuadrants(p.empty())}, list);
    // The children that will look in the table have their buckets asked for all at once, so that
    // the loads from memory overlap instead of each stalling its own look-up.
    if (p.empties() > LastSquares::MaxEmpties + 1) {
        for (int i = 0; i < list.count; ++i) {
            const Bits flips = list.flips[i];
            m_context.table.prefetch(Position{p.opponent & ~flips, p.player | flips | bitOf(list.squares[i])});
        }
    }
    if (p.empties() >= ChildProbeMinEmpties) {
        // A child already proved at or below -beta refutes this position without a search.
        for (int i = 0; i < list.count; ++i) {
            playFlips(p, list.squares[i], list.flips[i]);
            const TableEntry* child = m_context.table.find(p);
            const int childUpper = child && child->depth == ExactDepth ? unitsToDiscs(child->upper) : DiscLimit;
            undo(p, list.squares[i], list.flips[i]);
            if (-childUpper >= beta)
                return -childUpper;
        }
    }
    const LoopOutcome best = searchMoves(p, list, alpha, beta, m_context, childValue());
    if (m_context.aborted)
        return 0;
    m_context.table.store(p, ExactDepth, discsToUnits(alpha), discsToUnits(beta), discsToUnits(best.value),
                          best.move);
    return best.value;
}

} // namespace engine
