#pragma once
// What the screens ask of the rest of the game while they handle keys and advance: the one
// match, the board view's cursor and tilt, the flash's transition clock and the sound cues.
// The Application answers over the one Match, the one Renderer, its frame clock and its sound
// streams; the screens' tests answer with recorders.
#include <cstdint>

class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // A new match between two keyboard players; player one moves first. The board is reset.
    virtual void startMatch(const char* playerOneName, const char* playerTwoName) = 0;
    // The match's once-a-frame step (particles, passes, the end, the pending move).
    virtual void stepMatch() = 0;
    virtual bool isMatchOver() const = 0;
    // Drops the match and its players; a later start makes a new one.
    virtual void releaseMatch() = 0;
    // Hands the cursor square to the side to move; whether it is legal is the match's business.
    virtual void submitCursorSquare() = 0;
    // The side to move takes its moves from the keyboard (false while the computer is to move,
    // when the cursor keys and Return do nothing).
    virtual bool humanToMove() const = 0;
    virtual void moveCursor(std::int32_t direction) = 0; // a CursorDirection
    virtual void stepTilt(std::int32_t direction) = 0;   // a TiltStep

    virtual void resetTransitionClock() = 0;
    virtual float transitionSeconds() const = 0; // since the last reset

    virtual void playEffect(const char* path) = 0;
};
