#pragma once
// What a player sees of the computer's move. The computer starts thinking as soon as its turn
// begins (the frame the other side's disc lands); whatever it has chosen, it shows nothing before
// ShowThinkingSeconds have passed, then walks the cursor cone one square at a time onto its
// square and drops the disc there. The screens carry out each step the way a key would.
#include "app/opponent/ComputerPlayer.h"

#include <cstdint>

class ComputerTurn {
public:
    static constexpr double ShowThinkingSeconds = 0.6; // from the start of its turn
    static constexpr double CursorStepSeconds = 0.1;  // between two steps of the walking cone

    struct Step {
        std::int32_t cursorDirection = 0; // a CursorDirection to move the cone by, or 0
        bool drop = false;                // hand the cursor square to the match
    };

    // Once a frame while `computer` is to move with `colour` on `board`; the cone stands on
    // `cursor`; `now` is in seconds on a steady clock.
    Step update(ComputerPlayer& computer, const Board& board, Cell colour, CellPos cursor, double now);

private:
    double m_turnStarted = 0.0; // seconds
    double m_lastStep = 0.0;    // seconds
};
