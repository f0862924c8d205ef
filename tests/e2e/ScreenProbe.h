#pragma once

#include "tests/e2e/ExpectedBoard.h"
#include "tests/e2e/Screenshot.h"
#include "tests/e2e/TgaPicture.h"

#include <string>

// What a screenshot of the game shows, judged at the places the camera and overlay put things.

// The orange of the veil and the flash: (1, 0.5, 0).
extern const Rgb veilOrange;

// The whole screen is the flash's solid orange.
bool isSolidOrange(const Screenshot& shot);

// The whole screen is one even shade of the orange veil over black, and how strong: the red
// channel, 0..255 (255 once the veil is solid). -1 when the screen is not such a field.
int evenVeilStrength(const Screenshot& shot);

// The disc face seen above square (x, y) with the board tilted by `tilt` degrees.
ExpectedBoard::Square discSeenAt(const Screenshot& shot, int x, int y, double tilt);

// The screen shows `board` on every square except `skip` (where the cursor marker hides the
// disc); `mismatch` names the first square that differs.
bool showsBoard(const Screenshot& shot, const ExpectedBoard& board, double tilt,
                SquarePos skip, std::string* mismatch = nullptr);

// The spinning colour-wheel cone stands above square (x, y): several strong hues around it.
bool cursorMarkerAt(const Screenshot& shot, int x, int y, double tilt);

// The square the cone stands on, or (0, 0) when no cone shows.
SquarePos cursorMarkerSquare(const Screenshot& shot, double tilt);

// Nothing but black at the given rows (a band of the background).
bool isBlackBand(const Screenshot& shot, int top, int bottom);

// The far edge of the wooden frame, straight ahead, lies where the given tilt puts it: the
// background a few pixels above it and the wood a few pixels below.
bool farFrameEdgeMatches(const Screenshot& shot, double tilt);

// Above `bottomRow` the screen shows `picture` stretched over the whole window.
bool showsPictureAbove(const Screenshot& shot, const TgaPicture& picture, int bottomRow);
