#pragma once
// The cursor square and the board tilt as the players steer them, kept free of OpenGL.
#include "rules/Cell.h"

#include <cstdint>

// Board tilt limits in degrees: 90 looks straight down, 30 is the flattest view allowed.
constexpr float SteepestTilt = 90.0f;
constexpr float FlattestTilt = 30.0f;

// The cursor one square further in `direction` (a CursorDirection), stopping at the board's
// edge: a step never leaves 1..8 on the axis it moves. Unknown codes change nothing.
CellPos movedCursor(CellPos cursor, std::int32_t direction);

// The tilt one degree further in `direction` (a TiltStep): increases stop at SteepestTilt,
// decreases at FlattestTilt. Unknown codes change nothing.
float steppedTilt(float tilt, std::int32_t direction);
