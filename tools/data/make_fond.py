"""Draws the credits backdrop, fond.tga: a calm night-blue scene, 512 x 512 texels.

The game stretches the picture over the whole 1024 x 768 screen, so a texel shows 2 pixels wide
and 1.5 tall; the round shapes are drawn 3/4 as wide as tall to look round there. Out-of-focus
discs, like pieces seen past the edge of a board, float in the upper part; the bottom quarter
fades to near black, since the white credits line runs along the bottom edge of the screen.
"""
import sys

import numpy as np

from tga import write_tga
from texture_noise import fractal_noise

SIZE = 512
ASPECT = 0.75           # a texel shows 2 pixels wide, 1.5 tall: round shapes are 3/4 as wide
SEED = 11

TOP = np.array([16.0, 30.0, 48.0])
BOTTOM = np.array([3.0, 5.0, 9.0])
GLOW = np.array([18.0, 60.0, 52.0])         # the board's green, deep in the shadows
DARK_BOTTOM_ROWS = 128                      # rows from the bottom that fade to black

# Blurred discs: centre x, centre y (texels, from the top), radius (texels of height),
# brightness, and whether it is a pale (white) disc or a dark one with a lit rim.
DISCS = (
    (372, 92, 70, 0.16, "pale"),
    (455, 190, 46, 0.10, "dark"),
    (300, 210, 38, 0.09, "pale"),
    (200, 70, 30, 0.07, "dark"),
    (110, 150, 52, 0.06, "pale"),
    (420, 300, 26, 0.06, "pale"),
    (250, 330, 20, 0.04, "dark"),
)
PALE = np.array([235.0, 240.0, 255.0])
RIM = np.array([150.0, 200.0, 210.0])


def smooth_edge(distance, softness):
    """1 inside, 0 outside, a smooth ramp of the given width around distance 0."""
    t = np.clip(0.5 - distance / softness, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def build_fond():
    coord = np.arange(SIZE, dtype=np.float64) + 0.5
    y, x = np.meshgrid(coord, coord, indexing="ij")
    height = (y / SIZE)[:, :, None]

    picture = TOP * (1.0 - height) + BOTTOM * height
    glow = np.exp(-(((x - 380) / 260.0) ** 2 + ((y - 120) / 220.0) ** 2))
    picture += GLOW * (0.55 * glow)[:, :, None]
    picture *= (1.0 + 0.08 * fractal_noise(SIZE, SEED))[:, :, None]

    for cx, cy, radius, strength, kind in DISCS:
        r = np.hypot((x - cx) / ASPECT, y - cy) / radius
        body = smooth_edge(r - 1.0, 0.3)
        rim = np.exp(-(((r - 0.9) / 0.08) ** 2)) * body
        if kind == "pale":
            picture += (PALE * strength) * (0.8 * body + 0.5 * rim)[:, :, None]
        else:
            picture *= (1.0 - 0.5 * body)[:, :, None]
            picture += (RIM * strength) * rim[:, :, None]

    # Darken the corners a little, and the bottom band behind the credits line a lot.
    vignette = 1.0 - 0.35 * (((x - SIZE / 2) / SIZE) ** 2 + ((y - SIZE / 2) / SIZE) ** 2) * 2
    fade = np.clip((SIZE - y) / DARK_BOTTOM_ROWS, 0.0, 1.0)
    fade = 0.25 + 0.75 * fade * fade * (3.0 - 2.0 * fade)
    picture *= (vignette * fade)[:, :, None]

    # A little fixed dither breaks the banding of such slow gradients.
    picture += np.random.RandomState(SEED).uniform(-0.5, 0.5, picture.shape)
    return picture


def main(out_path):
    write_tga(out_path, build_fond())


if __name__ == "__main__":
    main(sys.argv[1])
