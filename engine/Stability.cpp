#include "engine/Stability.h"

#include "engine/Square.h"

namespace engine {

Bits edgeStableDiscs(Bits discs, Bits occupied)
{
    Bits stable = 0;
    for (const auto& edge : Edges) {
        Bits line = 0;
        for (int square : edge)
            line |= bitOf(square);
        if ((occupied & line) == line) {
            // A disc on an edge can only be flipped along that edge.
            stable |= discs & line;
            continue;
        }
        for (int i = 0; i < 8 && (discs & bitOf(edge[i])); ++i)
            stable |= bitOf(edge[i]);
        for (int i = 7; i >= 0 && (discs & bitOf(edge[i])); --i)
            stable |= bitOf(edge[i]);
    }
    return stable;
}

} // namespace engine
