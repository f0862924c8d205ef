#include "engine/MoveOrdering.h"

namespace engine {
namespace {

constexpr Bits Corners = bitOf(0) | bitOf(7) | bitOf(56) | bitOf(63);
constexpr Bits XSquares = bitOf(9) | bitOf(14) | bitOf(49) | bitOf(54);
constexpr Bits CSquares = bitOf(1) | bitOf(8) | bitOf(6) | bitOf(15) | bitOf(48) | bitOf(57) | bitOf(55) | bitOf(62);

constexpr Bits Quadrants[4] = {
    0x000000000f0f0f0fULL, // a1-d4
    0x00000000f0f0f0f0ULL, // e1-h4
    0x0f0f0f0f00000000ULL, // a5-d8
    0xf0f0f0f000000000ULL, // e5-h8
};

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
    Bits odd = 0;
    for (Bits quadrant : Quadrants) {
        if (popCount(empty & quadrant) & 1)
            odd |= quadrant;
    }
    return odd;
}

void orderMoves(const Position& position, Bits moves, const Ordering& ordering, MoveList& out)
{
    int keys[64];
    out.count = 0;
    for (; moves; moves &= moves - 1) {
        const int square = firstSquare(moves);
        const Bits placed = bitOf(square);
        const Bits flips = flipsOf(position.player, position.opponent, square);
        int key;
        if (square == ordering.first) {
            key = -1000;
        } else {
            key = squareKind(placed) + ((ordering.favoured & placed) ? -2 : 0);
            if (ordering.byReplies) {
                const Bits mine = position.player | flips | placed;
                const Bits replies = legalMoves(position.opponent & ~flips, mine);
                key += 6 * popCount(replies) + popCount(neighbours(mine) & ~(mine | position.opponent));
            }
        }
        // Insertion: the lists are short.
        int i = out.count++;
        for (; i > 0 && keys[i - 1] > key; --i) {
            keys[i] = keys[i - 1];
            out.squares[i] = out.squares[i - 1];
            out.flips[i] = out.flips[i - 1];
        }
        keys[i] = key;
        out.squares[i] = square;
        out.flips[i] = flips;
    }
}

} // namespace engine
