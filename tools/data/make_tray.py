"""Draws the playing surface, tray.tga: a classic green 8 x 8 board, 512 x 512 texels.

The game maps the picture once over the whole 8 x 8 area, so each square is 64 x 64 texels and
the picture's top edge is the far side of the board. Dark lines 4 texels wide run between the
squares and round the edge (2 texels either side of every square boundary; at the picture's
edges the 4 texels lie inside, so the texture's wrap-around sampling meets dark on both sides).
The four classic marker dots sit where the lines cross round the central four squares. The felt
varies only gently, since the picture is drawn smaller than its size without mipmaps and fine
grain would shimmer.
"""
import sys

import numpy as np

from tga import write_tga
from texture_noise import fractal_noise

SIZE = 512
SQUARES = 8
SQUARE = SIZE // SQUARES       # texels per square
LINE_HALF_WIDTH = 2            # texels each side of a square boundary
DOT_RADIUS = 7.0               # texels
DOT_CROSSINGS = (2, 6)         # line indices round the central four squares

FELT = np.array([24.0, 118.0, 62.0])    # classic board green
LINE = np.array([12.0, 40.0, 22.0])     # nearly black green
SEED = 3


def line_cover(coord):
    """How much of each texel along one axis is covered by a grid line, 0..1."""
    boundary = np.round(coord / SQUARE) * SQUARE
    distance = np.abs(coord + 0.5 - boundary)
    # The same line width everywhere; at the picture edges the line lies inside.
    edge = (coord < 2 * LINE_HALF_WIDTH) | (coord >= SIZE - 2 * LINE_HALF_WIDTH)
    return np.where(edge | (distance <= LINE_HALF_WIDTH), 1.0, 0.0)


def build_tray():
    coord = np.arange(SIZE, dtype=np.float64)
    y, x = np.meshgrid(coord, coord, indexing="ij")

    # Each square is a touch lighter in its middle, as if slightly domed under a soft light.
    u = (x % SQUARE + 0.5) / SQUARE - 0.5
    v = (y % SQUARE + 0.5) / SQUARE - 0.5
    dome = 1.0 - 0.55 * (u * u + v * v)

    felt = FELT[None, None, :] * dome[:, :, None]
    felt *= (1.0 + 0.06 * fractal_noise(SIZE, SEED))[:, :, None]

    cover = np.maximum(line_cover(x), line_cover(y))
    for cy in DOT_CROSSINGS:
        for cx in DOT_CROSSINGS:
            distance = np.hypot(x + 0.5 - cx * SQUARE, y + 0.5 - cy * SQUARE)
            cover = np.maximum(cover, np.clip(DOT_RADIUS + 0.5 - distance, 0.0, 1.0))

    picture = felt * (1.0 - cover[:, :, None]) + LINE[None, None, :] * cover[:, :, None]
    return picture


def main(out_path):
    write_tga(out_path, build_tray())


if __name__ == "__main__":
    main(sys.argv[1])
