#include "rules/Cell.h"

Cell opponentOf(Cell colour)
{
    switch (colour) {
    case Empty: return Empty;
    case White: return Black;
    case Black: return White;
    default: return Wall;
    }
}
