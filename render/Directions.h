#pragma once
// The codes the screens pass to Renderer::moveCursor and Renderer::stepTilt. Other values are
// ignored by both.
#include <cstdint>

enum CursorDirection : std::int32_t {
    CursorUp = 1,    // y + 1, away from the viewer
    CursorDown = 2,  // y - 1
    CursorLeft = 3,  // x - 1
    CursorRight = 4, // x + 1
};

enum TiltStep : std::int32_t {
    TiltIncrease = 1, // one degree steeper, up to straight from above
    TiltDecrease = 2, // one degree flatter
};
