"""Draws the particle sprite, particle.tga: a soft round spot, 64 x 64 texels.

Warm white at the centre, fading smoothly to black at a radius of 30 texels; the outer ring of
texels is black, so the spot never touches the edge of its square.
"""
import sys

import numpy as np

from tga import write_tga

SIZE = 64
RADIUS = 30.0                               # texels; black from here outwards
CORE = np.array([255.0, 248.0, 225.0])      # warm white


def build_particle():
    coord = np.arange(SIZE, dtype=np.float64) + 0.5 - SIZE / 2
    y, x = np.meshgrid(coord, coord, indexing="ij")
    r = np.clip(np.hypot(x, y) / RADIUS, 0.0, 1.0)
    # A bright core over a wide soft halo, bent down to reach exactly zero at the rim.
    glow = (1.0 - r * r) ** 2 * (0.35 + 0.65 * np.exp(-6.0 * r * r))
    return CORE[None, None, :] * glow[:, :, None]


def main(out_path):
    write_tga(out_path, build_particle())


if __name__ == "__main__":
    main(sys.argv[1])
