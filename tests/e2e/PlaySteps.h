#pragma once

#include "tests/e2e/ExpectedBoard.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/OverlayText.h"

#include <X11/keysym.h>
#include <string>

// The steps and readings the scenarios share: what a player does and what they look at.

constexpr double startTilt = 45.0;     // degrees, the tilt of a fresh game
constexpr SquarePos startCursor{3, 5}; // c4
constexpr double messageY = 0.95;     // overlay y of the centred message

struct ScorePanel {
    std::string nameOne;
    std::string scoreOne;
    std::string nameTwo;
    std::string scoreTwo;
};

// The four texts of the score panel, as read from the screen (scores without trailing blanks).
ScorePanel readScorePanel(const OverlayText& text, const Screenshot& shot);

// The centred message near the top, read as `length` bytes.
std::string readMessage(const OverlayText& text, const Screenshot& shot, size_t length);

// The play screen shows `board` (the cursor's square aside), the cone on `cursor` and the
// message `message`.
bool showsPlayScreen(const OverlayText& font, const Screenshot& shot, const ExpectedBoard& board,
                     SquarePos cursor, const std::string& message, double tilt = startTilt);

// From the first title picture through the orange flash to the play screen of a new match.
// Returns false (with a test failure recorded) when some screen never came.
bool startMatch(GameSession& session);

// Waits until the game has drawn at least `frames` more frames of the play screen: the spinning
// cursor cone, wherever it stands, changes the picture on each one.
bool seeFramesPass(GameSession& session, int frames);

// Moves the cursor one tap at a time from `from` to `to`, waiting for the cone after each tap.
bool moveCursor(GameSession& session, SquarePos from, SquarePos to, double tilt = startTilt);

// The credits line in the bottom-left corner.
extern const std::string creditsLine;
constexpr double creditsY = 0.02;

// The credits line shows where it belongs (over whatever background).
bool showsCredits(const OverlayText& font, const Screenshot& shot);

// "Joueur N a toi de jouer.", the message of the side to move.
std::string turnMessage(int side);

// The CPU time (user plus system) a process has used so far, in seconds.
double cpuSecondsOf(pid_t pid);
