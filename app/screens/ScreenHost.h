#pragma once
// What the screens ask of the rest of the game while they handle keys and advance: the one
// match, the board view's cursor and tilt, the flash's transition clock and the sound cues.
// The game's GameScreenHost answers over its match session, the one Renderer, the frame clock
// and the sound streams; the screens' tests answer with recorders.
#include "rules/Cell.h"

#include <cstdint>
#include <optional>

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

    // The player's aids.
    // A match against the computer, started from the title (player one at the keyboard).
    virtual void startComputerMatch() = 0;
    // The playing square under the pointer at window pixel (column, row), rows from the top.
    virtual std::optional<CellPos> squareAtPointer(int column, int row) const = 0;
    virtual CellPos cursorCell() const = 0;
    virtual void placeCursor(CellPos cell) = 0;
    // Back to the keyboard player's last turn (against the computer, which stops thinking first);
    // nothing at the start position.
    virtual void takeBack() = 0;
    // Looks for the best move of the side to move; the cone walks there once it is found.
    virtual void askHint() = 0;
    // Each flips a remembered setting and keeps it in the settings file.
    virtual void toggleMarks() = 0;
    virtual void toggleValues() = 0; // each legal move's value on its square, play and review
    virtual void toggleSound() = 0;
    // The computer's level for matches started from the title, 1..5, shown for a moment.
    virtual void chooseLevel(int level) = 0;

    // The review of a game.
    // Opens the last kept game for review; false (the screen stays) when there is none or the
    // games file cannot be read.
    virtual bool openLastGame() = 0;
    // The turns of the game under review, passes included: positions 0 (the start) to that.
    virtual int reviewTurnCount() const = 0;
    // Shows the position after `turn` turns of the game under review.
    virtual void showReviewTurn(int turn) = 0;
    // The turn whose position the graph of the game shows under the pointer at window pixel
    // (column, row), rows from the top; -1 off the graph.
    virtual int reviewTurnAtPointer(int column, int row) const = 0;
    // Leaves the review: its analysis stops.
    virtual void leaveReview() = 0;
    // Leaves the review for a match that goes on from the position after `turn` turns, with the
    // game's sides; false (the review stays) when no match can go on from there.
    virtual bool playOnFromReview(int turn) = 0;

    // The exercises and the statistics (the title's E and S). Each has a default that does
    // nothing, for the hosts of tests that do not drive them.
    enum class DrillStep { Looking, Asking, Answered, Finished };
    // Starts the exercises due today; false (the title stays) when they cannot start.
    virtual bool openDrills() { return false; }
    virtual DrillStep drillStep() const { return DrillStep::Finished; }
    // Answers the exercise with the cursor square; nothing when it is no legal move.
    virtual void answerDrill() {}
    // The next exercise after an answer.
    virtual void nextDrill() {}
    // Leaves the exercises: the look over the games stops, the title's board comes back.
    virtual void leaveDrills() {}
    // Opens the statistics; false (the title stays) when they cannot open.
    virtual bool openStats() { return false; }
    virtual void leaveStats() {}

    virtual void resetTransitionClock() = 0;
    virtual float transitionSeconds() const = 0; // since the last reset

    virtual void playEffect(const char* path) = 0;
};
