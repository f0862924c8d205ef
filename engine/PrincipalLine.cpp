#include "engine/PrincipalLine.h"

#include "engine/EndgameSolver.h"
#include "engine/MoveOrdering.h"

namespace engine {
namespace {

// Plays `move` (-1: a pass) and adds it to `line`.
void follow(Position& p, int move, std::vector<int>& line)
{
    if (move < 0)
        pass(p);
    else
        play(p, move);
    line.push_back(move);
}

int tableMove(const SearchContext& context, const Position& p)
{
    const auto entry = context.table.find(p);
    return entry ? entry->move : -1;
}

} // namespace

std::vector<int> exactLine(SearchContext& context, Position p, int first, int value)
{
    EndgameSolver solver(context);
    std::vector<int> line;
    int next = first;
    while (!p.isOver() && !context.aborted) {
        const Bits moves = p.moves();
        if (!moves) {
            follow(p, -1, line);
            value = -value;
            next = -1;
            continue;
        }
        MoveList list;
        orderMoves(p, moves, Ordering{next >= 0 ? next : tableMove(context, p), true, 0}, list);
        int found = -1;
        for (int i = 0; i < list.count && found < 0 && !context.aborted; ++i) {
            // The window (value - 1, value + 1) around the child's value gives it exactly or not at all.
            playFlips(p, list.squares[i], list.flips[i]);
            if (-solver.value(p, -value - 1, -value + 1) == value && !context.aborted)
                found = list.squares[i];
            undo(p, list.squares[i], list.flips[i]);
        }
        if (found < 0)
            break; // aborted
        follow(p, found, line);
        value = -value;
        next = -1;
    }
    return line;
}

std::vector<int> tableLine(const SearchContext& context, Position p, int first, int length)
{
    std::vector<int> line;
    int next = first;
    while (static_cast<int>(line.size()) < length && !p.isOver()) {
        const Bits moves = p.moves();
        if (!moves) {
            next = -1;
        } else if (next < 0 || !(moves & bitOf(next))) {
            break;
        }
        follow(p, next, line);
        next = tableMove(context, p);
    }
    return line;
}

} // namespace engine
