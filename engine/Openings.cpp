// The named openings and their recognition under the start's four turns.
//
// Sources. The lines and names are Robert Gatliff's catalogue of Othello openings, the list the
// Othello community passes around (the most common name first where a line has several), as found
// in three public copies, compared position by position:
//  - the plain-text copies kept by public Othello programs: 77 lines written from c4
//    ("C4c3D3c5B4Heath/Tobidashi"), the table below in their order;
//  - the opening-name table of the Zebra engine (opname.c, "automatically created by OSF", 2002):
//    76 lines from c4, the same but for Mimura, which it lacks, and Lysons, written there in
//    another order to the same position;
//  - "Othello Max" (MMBasic, Stephane Edwardson, 2022), the list written out from all four first
//    moves ("F5D6C3D3C4", "Tiger"): 70 of the lines, not X-square, Lysons, Rocket, F.A.T. Draw,
//    Lightning Bolt, Central Rose-Bill and Aubrey (Feldborg Continuation); it calls f5 d6 c3 g5
//    "Ganglion" and f5 d6 c4 g5 "No-Cat", where the other two say "Bent Ganglion" and
//    "Ganglion / No-Cat" (kept here).
// So every line has two copies that agree. The first three replies' names (perpendicular d6,
// diagonal f6, parallel f4) also appear on the Othello Wiki Book Project's page,
// http://othello.dk/book/index.php/Openings.
// The moves below are the list's turned by the half turn that takes c4 to f5.
// French names where French players use one (Diagonale, Parallele, Perpendiculaire, Tigre, Buffle,
// Chat, Cheminee, Serpent); every other line keeps the list's first name, its others in a comment.
#include "engine/Openings.h"

#include "engine/Position.h"

#include <array>

namespace engine {

namespace {

constexpr Opening Table[] = {
    {"Diagonale", "f5f6"}, // Diagonal
    {"X-square", "f5f6e6f4g7"},
    {"Serpent", "f5f6e6f4g6"}, // Snake, also Peasant
    {"Lysons", "f5f6e6f4g6c6"},
    {"Pyramid", "f5f6e6f4g6c5g4g5f3e3c4"}, // also Checkerboarding Peasant
    {"Heath", "f5f6e6f4g5"}, // also Tobidashi
    {"Mimura Variation II", "f5f6e6f4g5e7f7c5e3f3c4d3c2"},
    {"Heath-Bat", "f5f6e6f4g5e7e3"},
    {"Iwasaki Variation", "f5f6e6f4g5e7d7"},
    {"Heath-Chimney", "f5f6e6f4g5d6"},
    {"Raccoon Dog", "f5f6e6f4g4"},
    {"Rocket", "f5f6e6f4g3"},
    {"Hamilton", "f5f6e6f4g3f3g4"},
    {"Lollipop", "f5f6e6f4g3d6"},
    {"Cow", "f5f6e6f4e3"},
    {"Chemin\xE9" "e", "f5f6e6f4e3d6"}, // Chimney
    {"Cow Bat", "f5f6e6f4e3c5g5"}, // also Bat / Cambridge
    {"Bat (Piau Continuation 2)", "f5f6e6f4e3c5g5g3g4f3g6"},
    {"Melnikov", "f5f6e6f4e3c5g5g3g4f3c4"}, // also Bat (Piau Continuation 1)
    {"Bat (Kling Continuation)", "f5f6e6f4e3c5g5f3g4g6g3d6f7h5h4h3e7"},
    {"Bat (Kling Alternative)", "f5f6e6f4e3c5g5d6g6"},
    {"Rose-v-Toth", "f5f6e6f4e3c5c4"},
    {"Tanida", "f5f6e6f4e3c5c4e7"},
    {"Aircraft", "f5f6e6f4e3c5c4e7g4"}, // also Feldborg
    {"Sailboat", "f5f6e6f4e3c5c4e7b5e2"},
    {"Maruoka", "f5f6e6f4e3c5c4d3f3e2"},
    {"Landau", "f5f6e6f4e3c5c4d3c3"},
    {"Buffle", "f5f6e6f4c3"}, // Buffalo, also Kenichi Variation
    {"Maruoka Buffalo", "f5f6e6f4c3d7f3"},
    {"Tanida Buffalo", "f5f6e6f4c3d6f3c4c5b4"},
    {"Hokuriku Buffalo", "f5f6e6f4c3c4"},
    {"Wing Variation", "f5f6d3f4"},
    {"Semi-Wing Variation", "f5f6c4f4"},
    {"Parall\xE8le", "f5f4"}, // Parallel
    {"Perpendiculaire", "f5d6"}, // Perpendicular
    {"Mimura", "f5d6c5f4e3d3"},
    {"Shaman", "f5d6c5f4e3c6f3"}, // also Danish
    {"Inoue", "f5d6c5f4e3c6e6"},
    {"Iago", "f5d6c5f4e3c6e6f6"},
    {"Bhagat", "f5d6c5f4e3c6d7"},
    {"Rose", "f5d6c5f4e3c6d3f6e6d7"},
    {"Flat", "f5d6c5f4e3c6d3f6e6d7g4"},
    {"Rotating Flat", "f5d6c5f4e3c6d3f6e6d7g4c4"},
    {"Murakami Variation", "f5d6c5f4e3c6d3f6e6d7g4c4g6"},
    {"Rotating Flat (Kling Continuation)", "f5d6c5f4e3c6d3f6e6d7g4c4g5c3f7d2e7f2"},
    {"Rose-Birth", "f5d6c5f4e3c6d3f6e6d7g3c4"},
    {"Brightstein", "f5d6c5f4e3c6d3f6e6d7g3c4g5c3b4e2"},
    {"Rose-Birdie", "f5d6c5f4e3c6d3f6e6d7g3c4b4"}, // also Rose-Tamenori
    {"Rose-Tamenori-Kling", "f5d6c5f4e3c6d3f6e6d7g3c4b4c3"},
    {"Greenberg", "f5d6c5f4e3c6d3f6e6d7e7"}, // also Dawg
    {"Ralle", "f5d6c5f4e3c6d3f3"},
    {"Horse", "f5d6c5f4d3"},
    {"Ganglion", "f5d6c4g5"}, // also No-Cat
    {"Swallow", "f5d6c4g5c6"},
    {"No-Cat (Continuation)", "f5d6c4g5c6c5d7d3b4c3e3f3"},
    {"Italian", "f5d6c4d3e6"},
    {"Chat", "f5d6c4d3c5"}, // Cat
    {"Sakaguchi", "f5d6c4d3c5f4e3f3c2c6"},
    {"Berner", "f5d6c4d3c5f4e3f3c2b4b3"},
    {"Bent Ganglion", "f5d6c3g5"},
    {"Tigre", "f5d6c3d3c4"}, // Tiger
    {"Stephenson", "f5d6c3d3c4f4f6"},
    {"No-Kung", "f5d6c3d3c4f4f6g5"},
    {"No-Kung (Continuation)", "f5d6c3d3c4f4f6g5e3f3g4h3g3f2"},
    {"Comp'Oth", "f5d6c3d3c4f4f6f3"},
    {"F.A.T. Draw", "f5d6c3d3c4f4f6f3e6e7d7g6f8f7g5h6h4g4h3h5h7"},
    {"Lightning Bolt", "f5d6c3d3c4f4f6f3e3"}, // "Lighning Bolt" in one copy
    {"Kung", "f5d6c3d3c4f4f6b4"},
    {"Leader's Tiger", "f5d6c3d3c4f4e6"},
    {"Brightwell", "f5d6c3d3c4f4e3"},
    {"Ishii", "f5d6c3d3c4f4c5b4b5c6f3e6e3"},
    {"Mainline Tiger", "f5d6c3d3c4f4c5b4b5c6f3e6e3g6f6g5d7g3"},
    {"Rose-Bill", "f5d6c3d3c4f4c5b3c2"},
    {"Tamenori", "f5d6c3d3c4f4c5b3c2e6"},
    {"Central Rose-Bill", "f5d6c3d3c4f4c5b3c2b4"}, // also Dead Draw
    {"Aubrey", "f5d6c3d3c4b3"}, // also Tanaka
    {"Aubrey (Feldborg Continuation)", "f5d6c3d3c4b3d2f4"},
};

constexpr std::size_t TableCount = sizeof(Table) / sizeof(Table[0]);

constexpr std::size_t lengthOf(const char* moves)
{
    std::size_t n = 0;
    while (moves[2 * n] != '\0' && moves[2 * n + 1] != '\0')
        ++n;
    return n;
}

constexpr std::size_t longestLine()
{
    std::size_t longest = 0;
    for (const Opening& opening : Table)
        longest = lengthOf(opening.moves) > longest ? lengthOf(opening.moves) : longest;
    return longest;
}

// The longest line's number of moves: no game position past it is ever compared.
constexpr std::size_t MaxLength = longestLine();

// "f5" -> 37; -1 for anything that is not a lower-case square name.
int squareAt(const char* name)
{
    const int file = name[0] - 'a';
    const int rank = name[1] - '1';
    if (file < 0 || file > 7 || rank < 0 || rank > 7)
        return -1;
    return rank * 8 + file;
}

// The start's four turns: identity, half turn, a1-h8 reflection, a8-h1 reflection.
constexpr int TurnCount = 4;

int turnSquare(int square, int turn)
{
    const int file = square % 8;
    const int rank = square / 8;
    switch (turn) {
    case 1: return 63 - square;
    case 2: return file * 8 + rank;
    case 3: return 63 - (file * 8 + rank);
    default: return square;
    }
}

Bits turnBits(Bits discs, int turn)
{
    Bits out = 0;
    for (; discs != 0; discs &= discs - 1)
        out |= bitOf(turnSquare(firstSquare(discs), turn));
    return out;
}

// Plays `square` when it is legal for the side to move; false (and `position` unchanged) otherwise.
bool playIfLegal(Position& position, int square)
{
    if (square < 0 || square > 63 || (position.moves() & bitOf(square)) == 0)
        return false;
    play(position, square);
    return true;
}

} // namespace

OpeningList openings() { return OpeningList{Table, TableCount}; }

std::vector<int> openingMoves(const Opening& opening)
{
    std::vector<int> squares;
    for (std::size_t i = 0; i < lengthOf(opening.moves); ++i)
        squares.push_back(squareAt(opening.moves + 2 * i));
    return squares;
}

OpeningMatch recogniseOpening(const int* moves, std::size_t count)
{
    // The game's positions after each of its first moves, as far as it reads and a line reaches.
    std::array<Position, MaxLength + 1> game;
    game[0] = Position::start();
    std::size_t reached = 0;
    while (reached < count && reached < MaxLength) {
        Position next = game[reached];
        if (!playIfLegal(next, moves[reached]))
            break;
        game[++reached] = next;
    }

    OpeningMatch match;
    for (const Opening& opening : Table) {
        const std::size_t length = lengthOf(opening.moves);
        if (length > reached || static_cast<int>(length) <= match.length)
            continue;
        Position line = Position::start();
        bool legal = true;
        for (std::size_t i = 0; i < length && legal; ++i)
            legal = playIfLegal(line, squareAt(opening.moves + 2 * i));
        if (!legal)
            continue; // a bad line never names a game (the tests keep the table free of them)
        for (int turn = 0; turn < TurnCount; ++turn) {
            if (turnBits(line.player, turn) == game[length].player &&
                turnBits(line.opponent, turn) == game[length].opponent) {
                match.opening = &opening;
                match.length = static_cast<int>(length);
                break;
            }
        }
    }
    match.current = match.opening != nullptr && count == static_cast<std::size_t>(match.length);
    return match;
}

} // namespace engine
