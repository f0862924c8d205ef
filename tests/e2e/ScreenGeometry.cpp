#include "tests/e2e/ScreenGeometry.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double fieldOfViewDegrees = 45.0;
constexpr double eyeDistance = 12.0;
constexpr double farFrameY = 5.0; // the frame's outer side, one square beyond the eighth row

} // namespace

int PixelPos::column() const
{
    return static_cast<int>(std::floor(x));
}

int PixelPos::row() const
{
    return static_cast<int>(std::floor(y));
}

PixelPos projectWorld(const WorldPos& point, double tiltDegrees)
{
    double tilt = tiltDegrees * pi / 180.0;
    // The tilt turns the board about the x axis (y towards z for a positive angle).
    double x = point.x;
    double y = point.y * std::cos(tilt) - point.z * std::sin(tilt);
    double z = point.y * std::sin(tilt) + point.z * std::cos(tilt);

    // The eye at (0, -12, 0) looking along +y with +z up: depth is y + 12, screen up is z.
    double depth = y + eyeDistance;
    double focal = 1.0 / std::tan(fieldOfViewDegrees / 2.0 * pi / 180.0);
    double aspect = static_cast<double>(screenWidth) / screenHeight;
    double ndcX = focal / aspect * x / depth;
    double ndcY = focal * z / depth;

    return {(ndcX + 1.0) / 2.0 * screenWidth, (1.0 - (ndcY + 1.0) / 2.0) * screenHeight};
}

PixelPos projectSquare(int x, int y, double height, double tiltDegrees)
{
    return projectWorld({x - 4.5, y - 4.5, height}, tiltDegrees);
}

PixelPos overlayToPixel(double x, double y)
{
    return {x * screenWidth, (1.0 - y) * screenHeight};
}

double farFrameEdgeRow(double tiltDegrees)
{
    return projectWorld({0.0, farFrameY, frameTopHeight}, tiltDegrees).y;
}
