#pragma once
// The classic named openings and the one a game is playing.
//
// Each opening is a name (Windows-1252 bytes, the screens' encoding: the French name where French
// players have one, otherwise the name the world knows) and its moves from the start position as
// square names run together ("f5d6c3d3c4"), always opened with Black's f5. Names are unique and no
// two openings reach the same position under the start's four turns (checked by the tests).
//
// The start position is the same under four turns of the board: the identity, the half turn and
// the reflections in the a1-h8 and a8-h1 diagonals, which take f5 to f5, c4, e6 and d3. A game is
// in an opening when, after as many moves as the opening has, its position is one of the four
// turns of the opening's own. Positions rather than move lists are compared, so a line reached in
// another order (after f5 f6 e6 the board is symmetric again, and f4 and d6 are the same reply)
// is still recognised.
#include <cstddef>
#include <vector>

namespace engine {

struct Opening {
    const char* name;  // Windows-1252
    const char* moves; // square names run together, from the start, Black's f5 first
};

// The table, in the order of the published list its comment names.
struct OpeningList {
    const Opening* items;
    std::size_t count;
    const Opening* begin() const { return items; }
    const Opening* end() const { return items + count; }
};
OpeningList openings();

// The squares of `opening`'s moves (0 = a1 ... 63 = h8), in order.
std::vector<int> openingMoves(const Opening& opening);

struct OpeningMatch {
    const Opening* opening = nullptr; // the longest named opening the game went through; none: nullptr
    int length = 0;                   // its number of moves
    bool current = false;             // the game has played no move since (it is still in the opening)
};

// The opening of a game given its moves from the start (squares 0..63). A negative entry is a pass;
// no named line holds one, so reading stops there, as it does at an illegal move or a square out
// of range: what was found before stays.
OpeningMatch recogniseOpening(const int* moves, std::size_t count);
inline OpeningMatch recogniseOpening(const std::vector<int>& moves)
{
    return recogniseOpening(moves.data(), moves.size());
}

} // namespace engine
