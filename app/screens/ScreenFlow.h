#pragma once
// The screens' state machine: which screen runs, what each event does on it and what each
// screen advances once a frame. It draws nothing; the Application's screen handlers feed it the
// frame's events in queue order and draw from what it holds.
//
// A handler only assigns the state; the new screen runs from the next frame on. Within one frame
// the later assignment wins: a quit followed by a start key on the title starts the match, and
// on the flash screen the time test after the events overrides a quit.
#include "app/screens/ScreenHost.h"
#include "app/screens/ScreenState.h"
#include "app/screens/TitleAnimation.h"

#include <SDL.h>

class ScreenFlow {
public:
    static constexpr float FlashSeconds = 1.5f; // the orange flash that ignores keys
    static constexpr int WheelNotchDegrees = 5;  // tilt per notch of the mouse wheel

    explicit ScreenFlow(ScreenHost& host);

    ScreenState state() const { return m_state; }
    void setState(ScreenState state) { m_state = state; }

    // Title: Escape or quit goes to the credits; Space, Return, keypad Enter or a left click
    // starts a match; O starts one against the computer; 1 to 5 choose its level; R reviews the
    // last kept game; E starts the exercises, S shows the statistics.
    void onTitleEvent(const SDL_Event& event);
    void advanceTitle();
    const TitleAnimation& title() const { return m_title; }

    // Orange flash: only a quit is heard; the play screen follows once the flash has lasted.
    void onStartFlashEvent(const SDL_Event& event);
    void checkFlashTime();

    // Play screen, in frame order: stepPlaying, the events, applyHeldTilt.
    void stepPlaying();
    void onPlayingEvent(const SDL_Event& event);
    void applyHeldTilt();
    bool tiltIncreaseHeld() const { return m_tiltIncreaseHeld; }
    bool tiltDecreaseHeld() const { return m_tiltDecreaseHeld; }

    // Game-over screen, in frame order: stepGameOver, the events, the drawing, then
    // afterGameOverFrame, which drops the match when a quit asked for it.
    void stepGameOver();
    void onGameOverEvent(const SDL_Event& event);
    void afterGameOverFrame();

    // Review of the game the host holds, from its final position; Escape goes to `leaveTo`.
    void startReview(ScreenState leaveTo);
    // Left / Right one turn back / forward (a pass is a turn), Home / End the start / the final
    // position, a click on the graph of the game that turn, the tilt keys and the wheel as in
    // play, V the values as in play; P plays on from the position shown (the orange flash, then
    // the play screen); Escape leaves, a quit goes to the credits.
    // The held tilt is applied with applyHeldTilt.
    void onReviewEvent(const SDL_Event& event);
    // The number of turns played in the position shown, 0 to the host's reviewTurnCount().
    int reviewTurn() const { return m_reviewTurn; }

    // Exercises: while one is asked the board works as in play (cursor keys, mouse, Return,
    // Space, tilt keys, wheel, C for the marks, F1, M) and the move answers it; once answered, or
    // with none left, any key or click goes on; Escape goes back to the title, a quit to the
    // credits. The held tilt is applied with applyHeldTilt.
    void onDrillsEvent(const SDL_Event& event);
    // Statistics: any key or click goes back to the title, a quit to the credits.
    void onStatsEvent(const SDL_Event& event);

    // Credits: any key, a click or a quit ends the program.
    void onCreditsEvent(const SDL_Event& event);

    // The help panel, opened by F1 on the title, play and review screens over what they show; the next
    // key or click closes it and does nothing else.
    bool helpShown() const { return m_helpShown; }

private:
    void startMatch();
    void startComputerMatch();
    // Closes the help panel on a key or a click; true when the event was used so.
    bool closeHelp(const SDL_Event& event);
    // The keys shared by the title and the play screen (F1, M); true when the event was one.
    bool onAidKey(const SDL_Event& event);
    // The tilt keys held or let go; true when the event was one.
    bool onTiltEvent(const SDL_Event& event);
    // A notch of the wheel (+1 towards the player): the tilt by WheelNotchDegrees.
    void onWheel(int notch);
    void showReviewTurn(int turn);
    // The mouse on the play screen, while the keyboard player is to move; a click submits with
    // `submit` (the match's move, or an exercise's answer).
    void onPlayingMouse(const SDL_Event& event, void (ScreenHost::*submit)() = &ScreenHost::submitCursorSquare);

    ScreenHost& m_host;
    ScreenState m_state = Title;
    bool m_tiltDecreaseHeld = false; // Page Up or keypad plus held on the play screen
    bool m_tiltIncreaseHeld = false; // Page Down or keypad minus held on the play screen
    TitleAnimation m_title;
    bool m_releaseMatchAfterFrame = false;
    bool m_helpShown = false;
    int m_reviewTurn = 0;
    ScreenState m_reviewLeaveTo = Title;
};
