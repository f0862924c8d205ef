#pragma once
// How the computer and the hint steer the cursor cone onto a square: one square at a time, along
// the row first, then along the column, as a player steers with the arrow keys.
#include "render/Directions.h"
#include "rules/Cell.h"

#include <cstdint>

// The CursorDirection of one step from `from` towards `to`; 0 when they are the same square.
inline std::int32_t stepToward(CellPos from, CellPos to)
{
    if (from.x < to.x)
        return CursorRight;
    if (from.x > to.x)
        return CursorLeft;
    if (from.y < to.y)
        return CursorUp;
    if (from.y > to.y)
        return CursorDown;
    return 0;
}
