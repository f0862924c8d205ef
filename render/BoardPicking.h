#pragma once
// Which playing square a window pixel shows: the ray from the camera through the pixel, met with
// the board's plane, in the board's own coordinates.
//
// A SceneView is the scene's matrices as OpenGL holds them while the board is drawn (camera and
// tilt on the modelview, the window's perspective, the viewport). Working from those very
// matrices keeps the picking exact at any tilt and window: what is drawn on a square is picked as
// that square. The board's plane is z = 0 in board coordinates, square (x, y) covering
// x - 5 .. x - 4 and y - 5 .. y - 4.
#include "rules/Cell.h"

#include <optional>

struct SceneView {
    double modelview[16] = {};  // column-major, as glGetDoublev gives it
    double projection[16] = {};
    int viewport[4] = {};       // x, y, width, height in window pixels, y from the bottom
};

// The square under window pixel (column, row), rows counted from the top as the pointer's are;
// nothing when the pixel shows no playing square (beyond the edges, the frame, the sky).
std::optional<CellPos> squareAtPixel(const SceneView& view, int column, int row);
