#include "engine/MoveOrdering.h"

#include "engine/Square.h"

namespace engine {
namespace {

// Weights of what a move leaves the opponent: each reply, again each reply on a corner (a corner
// taken is the worst reply), and each empty square beside our discs (a reply it may have later).
// 10/14/2: the fewest nodes tried (dated: docs/engine-notes.md; engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
constexpr int RepliesWeight = 10;
constexpr int CornerRepliesWeight = 14;
constexpr int PotentialRepliesWeight = 2;

// What a move in an odd quadrant gains near the end (Ordering::favoured).
constexpr int FavouredBonus = 4;

// Lower is tried first. One reply less outweighs any square kind but a corner's.
int squareKind(Bits square)
{
    if (square & Corners)
        return -6;
    if (square & XSquares)
        return 3;
    if (square & CSquares)
        return 2;
    return 0;
}

} // namespace

Bits oddQuadrants(Bits empty)
{
    // Fold each rank's half (4 squares) to its parity in its lowest bit, then the four ranks of
    // each quadrant together: bits 0, 4, 32 and 36 end up as the parities of the quadrants.
    Bits x = empty ^ (empty >> 1);
    x ^= x >> 2;
    x ^= (x >> 8) ^ (x >> 16) ^ (x >> 24);
    return (Quadrants[0] & (0 - (x & 1))) | (Quadrants[1] & (0 - ((x >> 4) & 1))) |
           (Quadrants[2] & (0 - ((x >> 32) & 1))) | (Quadrants[3] & (0 - ((x >> 36) & 1)));
}

int orderingKey(const Position& position, int square, Bits flips, const Ordering& ordering)
{
    if (square == ordering.first)
        return -1000000;
    const Bits placed = bitOf(square);
    int key = squareKind(placed) + ((ordering.favoured & placed) ? -FavouredBonus : 0);
    if (ordering.byReplies) {
        const Bits mine = position.player | flips | placed;
        const Bits replies = legalMoves(position.opponent & ~flips, mine);
        key += RepliesWeight * popCount(replies) + CornerRepliesWeight * popCount(replies & Corners) +
               PotentialRepliesWeight * popCount(neighbours(mine) & ~(mine | position.opponent));
    }
    return key;
}

void insertByKey(MoveList& out, int keys[], int square, Bits flips, int key)
{
    // Insertion: the lists are short. A full list (a made-up position) drops its last move.
    int i = out.count;
    if (i < MaxLegalMoves)
        ++out.count;
    else if (keys[--i] <= key)
        return;
    for (; i > 0 && keys[i - 1] > key; --i) {
        keys[i] = keys[i - 1];
        out.squares[i] = out.squares[i - 1];
        out.flips[i] = out.flips[i - 1];
    }
    keys[i] = key;
    out.squares[i] = square;
    out.flips[i] = flips;
}

void orderMoves(const Position& position, Bits moves, const Ordering& ordering, MoveList& out)
{
    int keys[MaxLegalMoves];
    out.count = 0;
    for (; moves; moves &= moves - 1) {
        const int square = firstSquare(moves);
        const Bits flips = flipsOf(position.player, position.opponent, square);
        insertByKey(out, keys, square, flips, orderingKey(position, square, flips, ordering));
    }
}

} // namespace engine
