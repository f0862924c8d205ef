"""Smooth random fields for the pictures: fixed seeds, so every run draws the same texels."""
import numpy as np


def smooth_noise(size, cells, seed):
    """A size x size field in [-1, 1] that changes gently over about size / cells texels.

    Random values on a (cells + 1)-square lattice, blended with a smoothstep; the lattice wraps
    so the field tiles seamlessly (the tray texture repeats at its edges).
    """
    rng = np.random.RandomState(seed)
    lattice = rng.uniform(-1.0, 1.0, (cells, cells))
    position = np.arange(size) * cells / size
    index = np.floor(position).astype(int)
    frac = position - index
    frac = frac * frac * (3.0 - 2.0 * frac)
    i0, i1 = index % cells, (index + 1) % cells
    top = lattice[i0][:, i0] * (1 - frac)[None, :] + lattice[i0][:, i1] * frac[None, :]
    bottom = lattice[i1][:, i0] * (1 - frac)[None, :] + lattice[i1][:, i1] * frac[None, :]
    return top * (1 - frac)[:, None] + bottom * frac[:, None]


def fractal_noise(size, seed, octaves=((4, 1.0), (8, 0.5), (16, 0.25))):
    """Sum of smooth_noise octaves, (lattice cells, weight) each, scaled back into [-1, 1]."""
    total = sum(weight for _, weight in octaves)
    field = np.zeros((size, size))
    for number, (cells, weight) in enumerate(octaves):
        field += weight * smooth_noise(size, cells, seed + number)
    return field / total
