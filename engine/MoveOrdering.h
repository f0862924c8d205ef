#pragma once
// The order in which a search tries its moves: the likely best first, so that alpha-beta cuts early.
#include "engine/Position.h"

namespace engine {

// The most legal moves known in a position a game can reach. A made-up position (one typed in for
// analysis, or reached from one) can have more: orderMoves then keeps the MaxLegalMoves it would
// try first and leaves the rest out.
constexpr int MaxLegalMoves = 33;

// The legal moves of a position with their flips, in the order to try them.
struct MoveList {
    int count = 0;
    int squares[MaxLegalMoves];
    Bits flips[MaxLegalMoves];
};

struct Ordering {
    int first = -1;         // tried before everything else (the table's best move), -1 none
    bool byReplies = true;  // sort by the opponent's replies; false: by square kind only (cheaper)
    Bits favoured = 0;      // squares to prefer among equals (odd regions near the end)
};

// Fills `out` with `moves` (legal moves of `position`): `first`, then the moves that leave the
// opponent the fewest replies (and the fewest empty squares beside our discs), corners before the
// squares beside them, X- and C-squares last among equals.
void orderMoves(const Position& position, Bits moves, const Ordering& ordering, MoveList& out);

// How many children orderMoves() looks at to order `moves`: each whose replies it counts (all but
// the first, when it orders by replies).
inline int childrenWeighed(Bits moves, const Ordering& ordering)
{
    if (!ordering.byReplies)
        return 0;
    const bool first = ordering.first >= 0 && (moves & bitOf(ordering.first));
    return popCount(moves) - (first ? 1 : 0);
}

// The key orderMoves() gives a legal move of `position` that flips `flips`.
int orderingKey(const Position& position, int square, Bits flips, const Ordering& ordering);
// Inserts a move by its key into a list kept sorted by `keys`; a full list keeps its lowest keys.
void insertByKey(MoveList& out, int keys[], int square, Bits flips, int key);

// orderMoves() with `extraKey(child)` added to each move's key but the first's (lower is tried
// first), where `child` is the position after the move: a shallow search's verdict far from the end.
template <class ExtraKey>
void orderMoves(const Position& position, Bits moves, const Ordering& ordering, MoveList& out, ExtraKey extraKey)
{
    int keys[MaxLegalMoves];
    out.count = 0;
    Position child = position;
    for (; moves; moves &= moves - 1) {
        const int square = firstSquare(moves);
        const Bits flips = flipsOf(position.player, position.opponent, square);
        int key = orderingKey(position, square, flips, ordering);
        if (square != ordering.first) {
            playFlips(child, square, flips);
            key += extraKey(child);
            undo(child, square, flips);
        }
        insertByKey(out, keys, square, flips, key);
    }
}

// Squares in quadrants (4 x 4 corners of the board) holding an odd number of empty squares:
// moving there first tends to keep the last move of each region.
Bits oddQuadrants(Bits empty);

} // namespace engine
