#pragma once
// The exact value of a position with only a few empty squares left, without the table.
//
// So near the end a table look-up and a move list cost more than the search they would save.
// The empty squares are listed once, corners first and the squares beside empty corners last, and
// each position below tries them in that order, first those in quadrants holding an odd number of
// empty squares (playing there tends to keep the last move of the region), then the others; a square
// with no opponent disc beside it is skipped before its flips are computed. The search is written
// once per number of empty squares, so that the compiler unrolls its loops. With 4 or more empty
// squares, the opponent's stable discs may show that the search cannot reach alpha. With one empty
// square left, the result is counted from the flips of the last move, without playing it.
#include "engine/Position.h"
#include "engine/SearchContext.h"

namespace engine {

class LastSquares {
public:
    // Positions with at most this many empty squares are solved here.
    // 5 or 7: 15% and 14% longer (docs/engine-notes.md; engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
    static constexpr int MaxEmpties = 6;

    explicit LastSquares(SearchContext& context) : m_context(context) {}

    // The final disc difference for the side to move of a position with at most MaxEmpties empty
    // squares, within the window (alpha, beta); fail-soft. Every position visited counts one node.
    // Leaves `position` as it found it. Meaningless once the context has aborted.
    int value(Position& position, int alpha, int beta);

private:
    SearchContext& m_context;
};

} // namespace engine
