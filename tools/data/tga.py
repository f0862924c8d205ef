"""Writes pictures as the game reads them: uncompressed true-colour TGA.

Layout of every file written here: the 18-byte header (image type 2, no image ID, no colour
map, origin 0, 24 bits per pixel, image descriptor 0) followed by width x height pixels of
three bytes each. Rows are stored bottom row first and each pixel as blue, green, red: the
standard TGA order, so any viewer shows the true colours. Nothing else follows the pixels.

Pictures are handed in as NumPy arrays the way one looks at them: shape (height, width, 3),
top row first, red-green-blue, values 0..255.
"""
import struct

import numpy as np

TRUE_COLOUR = 2
HEADER_SIZE = 18


def is_power_of_two(n):
    return n > 0 and (n & (n - 1)) == 0


def write_tga(path, rgb):
    """Stores an RGB picture (top row first) as a 24-bit type-2 TGA."""
    rgb = np.asarray(rgb)
    if rgb.ndim != 3 or rgb.shape[2] != 3:
        raise ValueError("expected a (height, width, 3) picture")
    height, width = rgb.shape[:2]
    # Textures of OpenGL 1.1 need power-of-two sides.
    if not (is_power_of_two(width) and is_power_of_two(height)):
        raise ValueError("picture sides must be powers of two, got %dx%d" % (width, height))
    pixels = np.clip(np.rint(rgb), 0, 255).astype(np.uint8)
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, TRUE_COLOUR, 0, 0, 0, 0, 0,
                         width, height, 24, 0)
    assert len(header) == HEADER_SIZE
    with open(path, "wb") as out:
        out.write(header)
        # Bottom row first, and blue-green-red within each pixel.
        out.write(np.ascontiguousarray(pixels[::-1, :, ::-1]).tobytes())
