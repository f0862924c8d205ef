#include "render/BoardPicking.h"

#include <GL/glu.h>

#include <cmath>

namespace {
constexpr double HalfBoard = 4.0; // the playing area spans -4..4 on x and y
}

std::optional<CellPos> squareAtPixel(const SceneView& view, int column, int row)
{
    // The middle of the pixel, in OpenGL's window coordinates (y up from the viewport's bottom).
    const double winX = column + 0.5;
    const double winY = view.viewport[1] + view.viewport[3] - row - 0.5;
    double nearPoint[3];
    double farPoint[3];
    if (gluUnProject(winX, winY, 0.0, view.modelview, view.projection, view.viewport, &nearPoint[0],
                     &nearPoint[1], &nearPoint[2]) != GL_TRUE ||
        gluUnProject(winX, winY, 1.0, view.modelview, view.projection, view.viewport, &farPoint[0],
                     &farPoint[1], &farPoint[2]) != GL_TRUE)
        return std::nullopt;
    const double dz = farPoint[2] - nearPoint[2];
    if (std::fabs(dz) < 1e-12)
        return std::nullopt; // the ray runs along the plane
    const double t = -nearPoint[2] / dz;
    if (t < 0.0 || t > 1.0)
        return std::nullopt; // the plane is behind the camera or past the far plane
    const double x = nearPoint[0] + t * (farPoint[0] - nearPoint[0]);
    const double y = nearPoint[1] + t * (farPoint[1] - nearPoint[1]);
    if (!(x >= -HalfBoard && x < HalfBoard && y >= -HalfBoard && y < HalfBoard))
        return std::nullopt;
    return CellPos{std::uint8_t(std::floor(x + HalfBoard) + 1), std::uint8_t(std::floor(y + HalfBoard) + 1)};
}
