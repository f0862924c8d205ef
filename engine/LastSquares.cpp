#include "engine/LastSquares.h"

#include "engine/Score.h"
#include "engine/Square.h"
#include "engine/Stability.h"

#include <array>
#include <cassert>

namespace engine {
namespace {

// From this many empty squares on, the opponent's stable discs may end the search early.
// 3 or 2: fewer nodes, no faster (docs/engine-notes.md; engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
constexpr int StabilityMinEmpties = 4;

// The squares around each square: a move there needs an opponent disc among them.
struct NeighbourTable {
    Bits of[SquareCount];
};
constexpr NeighbourTable makeNeighbours()
{
    NeighbourTable t{};
    for (int square = 0; square < SquareCount; ++square) {
        for (int rank = square / 8 - 1; rank <= square / 8 + 1; ++rank)
            for (int file = square % 8 - 1; file <= square % 8 + 1; ++file)
                if (rank >= 0 && rank < 8 && file >= 0 && file < 8 && rank * 8 + file != square)
                    t.of[square] |= bitOf(rank * 8 + file);
    }
    return t;
}
constexpr NeighbourTable Neighbours = makeNeighbours();

// The order of square kinds within each parity group: corners, the edges' other squares, the
// inner squares, then C- and X-squares (which give a corner away while it is empty). Squares of one
// kind go by index.
constexpr Bits KindOrder[] = {
    Corners,
    EdgeSquares & ~Corners & ~CSquares,
    ~EdgeSquares & ~XSquares,
    CSquares,
    XSquares,
};
static_assert((Corners | (EdgeSquares & ~Corners & ~CSquares) | (~EdgeSquares & ~XSquares) | CSquares | XSquares) ==
                  ~Bits{0},
              "every square has a kind");

// Each square's quadrant as one bit of a 4-bit mask; a position's parity mask has the bit of every
// quadrant holding an odd number of empty squares.
struct QuadrantTable {
    unsigned of[SquareCount];
};
constexpr QuadrantTable makeQuadrantBits()
{
    QuadrantTable t{};
    for (int square = 0; square < SquareCount; ++square)
        for (int q = 0; q < 4; ++q)
            if (Quadrants[q] & bitOf(square))
                t.of[square] = 1u << q;
    return t;
}
constexpr QuadrantTable QuadrantBit = makeQuadrantBits();

// The empty squares left, in the order to try them within a parity group.
template <int N>
using Squares = std::array<int, N>;

template <std::size_t N>
std::array<int, N - 1> without(const std::array<int, N>& squares, int index)
{
    std::array<int, N - 1> rest{};
    for (int i = 0, j = 0; i < static_cast<int>(N); ++i)
        if (i != index)
            rest[j++] = squares[i];
    return rest;
}

// One empty square left: whoever can play it does, and the game ends. The flips are counted, never
// played.
int lastSquare(SearchContext& context, const Position& p, int square)
{
    context.abortAtNode();
    const int diff = 2 * popCount(p.player) - (SquareCount - 1); // the board holds 63 discs
    if (Neighbours.of[square] & p.opponent) {
        if (const int flipped = lastFlipCount(p.player, square))
            return diff + 2 * flipped + 1;
    }
    if (Neighbours.of[square] & p.player) {
        if (const int flipped = lastFlipCount(p.opponent, square))
            return diff - 2 * flipped - 1;
    }
    return diff > 0 ? diff + 1 : diff - 1; // 63 discs: never a draw
}

// The search with N > 1 empty squares, listed in `squares`; `parity` is the position's parity mask.
template <int N>
int solve(SearchContext& context, Position& p, int alpha, int beta, const Squares<N>& squares, unsigned parity,
          bool passed)
{
    if (context.abortAtNode())
        return 0;
    if constexpr (N >= StabilityMinEmpties) {
        int bound;
        if (stabilityCutoff(p, alpha, bound))
            return bound;
    }
    int best = -DiscLimit;
    // With two squares left both quadrants' counts are known: the order is the list's.
    for (int round = N > 2 ? 0 : 1; round < 2; ++round) {
        const unsigned wanted = round == 0 ? parity : ~parity; // odd quadrants, then the others
        for (int i = 0; i < N; ++i) {
            const int square = squares[i];
            if ((N > 2 && !(QuadrantBit.of[square] & wanted)) || !(Neighbours.of[square] & p.opponent))
                continue;
            const Bits flips = flipsOf(p.player, p.opponent, square);
            if (!flips)
                continue;
            playFlips(p, square, flips);
            int v;
            if constexpr (N == 2)
                v = -lastSquare(context, p, squares[1 - i]);
            else
                v = -solve<N - 1>(context, p, -beta, -alpha, without(squares, i), parity ^ QuadrantBit.of[square],
                                  false);
            undo(p, square, flips);
            if (v > best) {
                best = v;
                if (v > alpha) {
                    alpha = v;
                    if (alpha >= beta)
                        return best;
                }
            }
        }
    }
    if (best > -DiscLimit)
        return best;
    if (passed)
        return p.finalDiff(); // neither side can move
    pass(p);
    const int v = -solve<N>(context, p, -beta, -alpha, squares, parity, true);
    pass(p);
    return v;
}

template <int N>
int solveListed(SearchContext& context, Position& p, int alpha, int beta, const int* listed, unsigned parity)
{
    Squares<N> squares{};
    for (int i = 0; i < N; ++i)
        squares[i] = listed[i];
    return solve<N>(context, p, alpha, beta, squares, parity, false);
}

} // namespace

int LastSquares::value(Position& p, int alpha, int beta)
{
    const Bits empty = p.empty();
    int listed[SquareCount];
    int n = 0;
    unsigned parity = 0;
    for (const Bits kind : KindOrder) {
        for (Bits squares = empty & kind; squares; squares &= squares - 1) {
            listed[n++] = firstSquare(squares);
            parity ^= QuadrantBit.of[listed[n - 1]];
        }
    }
    assert(n <= MaxEmpties);
    switch (n) {
    case 0:
        m_context.abortAtNode();
        return p.finalDiff();
    case 1:
        return lastSquare(m_context, p, listed[0]);
    case 2:
        return solveListed<2>(m_context, p, alpha, beta, listed, parity);
    case 3:
        return solveListed<3>(m_context, p, alpha, beta, listed, parity);
    case 4:
        return solveListed<4>(m_context, p, alpha, beta, listed, parity);
    case 5:
        return solveListed<5>(m_context, p, alpha, beta, listed, parity);
    default:
        static_assert(MaxEmpties == 6, "one case per number of empty squares");
        return solveListed<6>(m_context, p, alpha, beta, listed, parity);
    }
}

} // namespace engine
