// Three stages by the number of empty squares left:
//  - TableMinEmpties or more: the table, moves ordered by fewest replies with odd quadrants
//    favoured, principal variation search; the opponent's stable discs and the children's table
//    entries may settle a position before any move is searched;
//  - down to LoopMaxEmpties + 1: the same ordering without the table (it no longer pays);
//  - the last few: a plain loop over the empty squares, odd quadrants first, trying each square's
//    flips directly (cheaper than generating moves); the very last square is counted out.
#include "engine/EndgameSolver.h"

#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"
#include "engine/Score.h"
#include "engine/Stability.h"
#include "engine/TranspositionTable.h"

namespace engine {
namespace {

constexpr int TableMinEmpties = 7;
constexpr int LoopMaxEmpties = 5;
// Proving that the opponent's stable discs keep the side to move at or below alpha only pays when
// alpha is high.
constexpr int StabilityCheckFrom = 0;
// From this many empty squares on, the table is asked about every child before any is searched.
constexpr int ChildProbeMinEmpties = 10;

// Puts the squares of odd quadrants first, keeping the order otherwise.
void oddQuadrantsFirst(int* squares, int count, Bits empty)
{
    const Bits odd = oddQuadrants(empty);
    int front = 0;
    for (int i = 0; i < count; ++i) {
        if (odd & bitOf(squares[i])) {
            const int square = squares[i];
            for (int j = i; j > front; --j)
                squares[j] = squares[j - 1];
            squares[front++] = square;
        }
    }
}

} // namespace

int EndgameSolver::value(Position& p, int alpha, int beta)
{
    const int empties = p.empties();
    if (empties >= TableMinEmpties)
        return withTable(p, alpha, beta);
    if (empties > LoopMaxEmpties)
        return fastestFirst(p, alpha, beta);
    int squares[LoopMaxEmpties];
    int count = 0;
    for (Bits empty = p.empty(); empty; empty &= empty - 1)
        squares[count++] = firstSquare(empty);
    if (count == 0) {
        m_context.abortAtNode();
        return p.finalDiff();
    }
    return lastEmpties(p, alpha, beta, squares, count, false);
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

int EndgameSolver::fastestFirst(Position& p, int alpha, int beta)
{
    if (m_context.abortAtNode())
        return 0;
    const Bits moves = p.moves();
    if (!moves)
        return afterPass(p, alpha, beta);
    MoveList list;
    orderMoves(p, moves, Ordering{-1, true, oddQuadrants(p.empty())}, list);
    const LoopOutcome best = searchMoves(p, list, alpha, beta, m_context, childValue());
    return m_context.aborted ? 0 : best.value;
}

// `squares` holds the `count` empty squares; the array is as it was on return.
int EndgameSolver::lastEmpties(Position& p, int alpha, int beta, int* squares, int count, bool passed)
{
    if (count == 1)
        return lastEmpty(p, squares[0]);
    if (m_context.abortAtNode())
        return 0;
    int reordered[LoopMaxEmpties];
    if (count >= 4) {
        for (int i = 0; i < count; ++i)
            reordered[i] = squares[i];
        oddQuadrantsFirst(reordered, count, p.empty());
        squares = reordered;
    }
    int best = -Infinity;
    for (int i = 0; i < count; ++i) {
        const int square = squares[i];
        const Bits flips = flipsOf(p.player, p.opponent, square);
        if (!flips)
            continue;
        playFlips(p, square, flips);
        // The child sees the other squares as the first count - 1 entries.
        squares[i] = squares[count - 1];
        const int v = -lastEmpties(p, -beta, -alpha, squares, count - 1, false);
        squares[count - 1] = squares[i];
        squares[i] = square;
        undo(p, square, flips);
        if (m_context.aborted)
            return 0;
        if (v > best) {
            best = v;
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta)
                    return best;
            }
        }
    }
    if (best > -Infinity)
        return best;
    if (passed)
        return p.finalDiff(); // neither side can move
    pass(p);
    const int v = -lastEmpties(p, -beta, -alpha, squares, count, true);
    pass(p);
    return v;
}

// One empty square left: whoever can play it does, and the game ends.
int EndgameSolver::lastEmpty(const Position& p, int square)
{
    m_context.abortAtNode();
    const int diff = popCount(p.player) - popCount(p.opponent);
    if (const int flipped = popCount(flipsOf(p.player, p.opponent, square)))
        return diff + 2 * flipped + 1;
    if (const int flipped = popCount(flipsOf(p.opponent, p.player, square)))
        return diff - 2 * flipped - 1;
    return diff > 0 ? diff + 1 : diff < 0 ? diff - 1 : 0;
}

} // namespace engine
