#pragma once

// Where things the game draws land on the 1024 x 768 screen, worked out independently of the
// game's code from its camera and overlay: a 45-degree perspective of aspect 1024/768 (near 0.1,
// far 512), the eye at (0, -12, 0) looking at the origin with +z up, the board turned by the tilt
// about the x axis; square (x, y) centred at (x - 4.5, y - 4.5). The overlay maps the window to
// the unit square with (0, 0) bottom left. Pixel positions are in X11 terms: (0, 0) top left.

constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;

struct PixelPos {
    double x = 0;
    double y = 0;
    int column() const;
    int row() const;
};

struct WorldPos {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The pixel where a world point shows with the board tilted by `tiltDegrees`.
PixelPos projectWorld(const WorldPos& point, double tiltDegrees);

// Heights above the playing surface, in board squares.
constexpr double discFaceHeight = 0.17; // the sunken top face of a disc (0.14 in the middle to 0.2 at the rim)
constexpr double cursorMarkerHeight = 0.5; // halfway up the cone above the cursor square
constexpr double frameTopHeight = 0.5;  // the top of the wooden frame

// The pixel above square (x, y), x and y in 1..8, at `height` above the surface.
PixelPos projectSquare(int x, int y, double height, double tiltDegrees);

// The pixel at overlay position (x, y).
PixelPos overlayToPixel(double x, double y);

// The screen row of the far outer edge of the frame's top straight ahead (x = 512): above it the
// background, below it the wood.
double farFrameEdgeRow(double tiltDegrees);
