#include "render/CursorControl.h"

#include "render/Directions.h"

#include <algorithm>

namespace {

constexpr int FirstSquare = 1;
constexpr int LastSquare = 8;

// Works in int so that a step down from 0 stops at 1 instead of wrapping round to 255.
std::uint8_t stepped(std::uint8_t coordinate, int delta)
{
    return static_cast<std::uint8_t>(std::clamp(coordinate + delta, FirstSquare, LastSquare));
}

} // namespace

CellPos movedCursor(CellPos cursor, std::int32_t direction)
{
    switch (direction) {
    case CursorUp:
        cursor.y = stepped(cursor.y, +1);
        break;
    case CursorDown:
        cursor.y = stepped(cursor.y, -1);
        break;
    case CursorLeft:
        cursor.x = stepped(cursor.x, -1);
        break;
    case CursorRight:
        cursor.x = stepped(cursor.x, +1);
        break;
    default:
        break;
    }
    return cursor;
}

float steppedTilt(float tilt, std::int32_t direction)
{
    switch (direction) {
    case TiltIncrease:
        return std::min(tilt + 1.0f, SteepestTilt);
    case TiltDecrease:
        return std::max(tilt - 1.0f, FlattestTilt);
    default:
        return tilt;
    }
}
