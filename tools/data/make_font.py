"""Draws the game's font atlas, font3.tga: 256 glyphs of the Windows-1252 code page.

The atlas is 512 x 512 texels, 16 x 16 cells of 32 x 32; byte k sits in column k mod 16 and
row k div 16, row 0 at the top of the picture as seen. Glyphs are white on black, anti-aliased,
grey only (red = green = blue). Blank cells: the spaces 0x20 and 0xA0, the control bytes
0x00-0x1F and 0x7F, and the bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).

How the game shows a cell decides the drawing:
- A cell is drawn 0.03 x 0.03 of the screen, about 31 x 23 pixels on 1024 x 768, so a texel
  lands 4/3 as wide as it is tall. Glyphs are squeezed to 3/4 of their width to look right.
- The pen advances 60 % of a cell (19.2 texels) per byte, so ink stays in columns 1-18.
- Sampling is linear, so the outer ring of texels of every cell stays black: no glyph bleeds
  into its neighbour's quad.
- Every glyph sits on one baseline, 25 texels below the cell top, with room above for accented
  capitals and below for descenders.
- Text is blended as source x source + background x (1 - source), which would square the grey
  of anti-aliased edges; the stored grey is the square root of the ink coverage to undo that.
"""
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from tga import write_tga

FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"  # fonts-dejavu-core

CELLS = 16
CELL = 32                  # texels per cell side
SUPERSAMPLE = 8            # glyphs are drawn this many times finer, then averaged down
EM = 25.5                  # font size in texels of cell height
BASELINE = 25              # texel rows from the cell top down to the baseline
INK_LEFT, INK_RIGHT = 1, 19    # ink columns [1, 19): inside the 19.2-texel advance
INK_TOP, INK_BOTTOM = 1, 31    # ink rows [1, 31)
INK_CENTRE = (INK_LEFT + INK_RIGHT) / 2
SQUEEZE = 0.75             # (0.03 * 768) / (0.03 * 1024): undoes the wide cell on screen
MIN_COVERAGE = 1.0 / 64    # fainter ink is dropped so blank texels are truly black

UNDEFINED = (0x81, 0x8D, 0x8F, 0x90, 0x9D)
SPACES = (0x20, 0xA0)


def glyph_text(byte):
    """The character drawn for a byte, or None for a blank cell."""
    if byte < 0x20 or byte == 0x7F or byte in SPACES or byte in UNDEFINED:
        return None
    if byte == 0xAD:
        return "-"  # the soft hyphen shows as a plain hyphen
    return bytes([byte]).decode("cp1252")


def render_ink(font, text, size):
    """Returns the glyph's tight ink bitmap and its top edge relative to the baseline."""
    origin_x, baseline = size, int(1.5 * size)
    canvas = Image.new("L", (4 * size, 3 * size), 0)
    ImageDraw.Draw(canvas).text((origin_x, baseline), text, font=font, fill=255, anchor="ls")
    box = canvas.getbbox()
    if box is None:
        raise RuntimeError("no ink for %r" % text)
    return canvas.crop(box), box[1] - baseline


def draw_cell(font, text):
    """One cell of the atlas as grey values 0..255, shape (CELL, CELL)."""
    s = SUPERSAMPLE
    ink, top = render_ink(font, text, int(EM * s))
    width, height = ink.size
    # Fit the squeezed glyph into the ink box: wide glyphs (W, Œ, ‰ ...) squeeze further; a
    # glyph reaching past the box vertically would shrink about the baseline (at this size
    # none of this font's does).
    scale_x = min(SQUEEZE, (INK_RIGHT - INK_LEFT) * s / width)
    above, below = -top, height + top
    scale_y = 1.0
    if above > (BASELINE - INK_TOP) * s:
        scale_y = min(scale_y, (BASELINE - INK_TOP) * s / above)
    if below > (INK_BOTTOM - BASELINE) * s:
        scale_y = min(scale_y, (INK_BOTTOM - BASELINE) * s / below)
    new_w = max(1, int(width * scale_x))
    new_h = max(1, int(height * scale_y))
    ink = ink.resize((new_w, new_h), Image.BOX)

    left = int(round(INK_CENTRE * s - new_w / 2))
    left = min(max(left, INK_LEFT * s), INK_RIGHT * s - new_w)
    upper = BASELINE * s + int(np.floor(top * scale_y))
    upper = min(max(upper, INK_TOP * s), INK_BOTTOM * s - new_h)

    fine = np.zeros((CELL * s, CELL * s), dtype=np.float64)
    fine[upper:upper + new_h, left:left + new_w] = np.asarray(ink, dtype=np.float64) / 255.0
    coverage = fine.reshape(CELL, s, CELL, s).mean(axis=(1, 3))
    coverage[coverage < MIN_COVERAGE] = 0.0
    return np.sqrt(coverage) * 255.0


def build_atlas():
    font = ImageFont.truetype(FONT_FILE, int(EM * SUPERSAMPLE))
    atlas = np.zeros((CELLS * CELL, CELLS * CELL), dtype=np.float64)
    for byte in range(256):
        text = glyph_text(byte)
        if text is None:
            continue
        row, column = divmod(byte, CELLS)
        cell = draw_cell(font, text)
        if not cell.any():
            raise RuntimeError("glyph for byte 0x%02X came out empty" % byte)
        atlas[row * CELL:(row + 1) * CELL, column * CELL:(column + 1) * CELL] = cell
    return np.repeat(atlas[:, :, None], 3, axis=2)


def main(out_path):
    write_tga(out_path, build_atlas())


if __name__ == "__main__":
    main(sys.argv[1])
