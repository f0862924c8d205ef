"""Draws the game's font atlas, font3.tga: 256 glyphs of the Windows-1252 code page.

The atlas is 512 x 512 texels, 16 x 16 cells of 32 x 32; byte k sits in column k mod 16 and
row k div 16, row 0 at the top of the picture as seen. Glyphs are white on black, anti-aliased,
grey only (red = green = blue). Blank cells: the spaces 0x20 and 0xA0, the control bytes
0x00-0x1F and 0x7F, and the bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).

How the game shows a cell decides the drawing:
- A cell is drawn 0.03 x 0.03 of the screen, about 31 x 23 pixels on 1024 x 768, so a texel
  lands 4/3 as wide as it is tall. Glyphs are squeezed to 3/4 of their width to undo that.
- The pen advances 60 % of a cell (19.2 texels) per byte, whatever the glyph. A monospaced
  face suits that fixed step: its narrow letters (i, l, r) are drawn to fill the same width as
  the others, so words read as words instead of loose letters. Its letters are drawn narrow,
  so they are widened until the o shows about as wide as it is tall.
- Ink stays in columns 1-18, inside the advance.
- Sampling is linear, so the outer ring of texels of every cell stays black: no glyph bleeds
  into its neighbour's quad.
- Every glyph sits on one baseline, 26 texels below the cell top, with capitals 20 texels
  tall. To find room for that in 30 rows, ink above the ascender line (the accents on
  capitals) and below the baseline (descenders) is drawn vertically compressed; everything
  between, lowercase and capital bodies alike, keeps its true shape.
- Text is blended as source x source + background x (1 - source), which would square the grey
  of anti-aliased edges; the stored grey is the square root of the ink coverage to undo that.
"""
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from tga import write_tga

FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"  # fonts-dejavu-core

CELLS = 16
CELL = 32                  # texels per cell side
SUPERSAMPLE = 8            # glyphs are drawn this many times finer, then averaged down
CAP_HEIGHT = 20            # texels from the baseline to the top of H
BASELINE = 26              # texel rows from the cell top down to the baseline
ACCENT_SCALE = 0.85        # vertical scale of ink above the ascender line
DESCENDER_SCALE = 0.75     # vertical scale of ink below the baseline
INK_LEFT, INK_RIGHT = 1, 19    # ink columns [1, 19): inside the 19.2-texel advance
INK_TOP, INK_BOTTOM = 1, 31    # ink rows [1, 31)
INK_CENTRE = (INK_LEFT + INK_RIGHT) / 2
SQUEEZE = 0.75             # (0.03 * 768) / (0.03 * 1024): undoes the wide cell on screen
ROUND_ASPECT = 1.05        # the o on screen, width over height: round, and a little fuller
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


def render_ink(font, text):
    """The glyph's tight ink as coverage 0..1 and its top edge in rows above the baseline."""
    size = font.size
    origin_x, baseline = size, int(1.5 * size)
    canvas = Image.new("L", (4 * size, 3 * size), 0)
    ImageDraw.Draw(canvas).text((origin_x, baseline), text, font=font, fill=255, anchor="ls")
    box = canvas.getbbox()
    if box is None:
        raise RuntimeError("no ink for %r" % text)
    return np.asarray(canvas.crop(box), dtype=np.float64) / 255.0, baseline - box[1]


class VerticalShape:
    """Heights above the baseline (fine rows, up positive) as drawn in the cell: unchanged
    from the baseline to the ascender line, compressed above and below."""

    def __init__(self, ascender):
        self.ascender = ascender

    def forward(self, height):
        height = np.asarray(height, dtype=np.float64)
        above = self.ascender + (height - self.ascender) * ACCENT_SCALE
        return np.where(height > self.ascender, above,
                        np.where(height < 0, height * DESCENDER_SCALE, height))

    def inverse(self, height):
        height = np.asarray(height, dtype=np.float64)
        above = self.ascender + (height - self.ascender) / ACCENT_SCALE
        return np.where(height > self.ascender, above,
                        np.where(height < 0, height / DESCENDER_SCALE, height))


def reshape_rows(ink, top, shape):
    """Moves the ink's rows to their drawn heights, averaging each drawn row over the source
    rows it covers. Returns the new ink and its top edge in rows above the baseline."""
    new_top = int(np.ceil(shape.forward(top)))
    new_bottom = int(np.floor(shape.forward(top - ink.shape[0])))
    # Heights of the edges between drawn rows, top down, and where they come from.
    edges = np.arange(new_top, new_bottom - 1, -1)
    source = np.clip(top - shape.inverse(edges), 0.0, ink.shape[0])
    # Ink summed from the top edge down, linear inside a row: the exact area between two edges.
    summed = np.vstack([np.zeros((1, ink.shape[1])), np.cumsum(ink, axis=0)])
    whole = np.floor(source).astype(int)
    part = (source - whole)[:, None]
    below_whole = np.minimum(whole + 1, ink.shape[0])
    at_edge = summed[whole] + part * (summed[below_whole] - summed[whole])
    spans = np.diff(source)[:, None]
    rows = np.diff(at_edge, axis=0) / np.where(spans > 0, spans, 1.0)
    return np.clip(rows, 0.0, 1.0), new_top


def draw_cell(font, shape, stretch, text):
    """One cell of the atlas as grey values 0..255, shape (CELL, CELL)."""
    s = SUPERSAMPLE
    ink, top = render_ink(font, text)
    ink, top = reshape_rows(ink, top, shape)
    height, width = ink.shape
    # A glyph too wide for the ink columns would squeeze further (none of this face's is).
    scale_x = min(stretch, (INK_RIGHT - INK_LEFT) * s / width)
    new_w = max(1, int(width * scale_x))
    picture = Image.fromarray(np.round(ink * 255.0).astype(np.uint8))
    ink = np.asarray(picture.resize((new_w, height), Image.BOX), dtype=np.float64) / 255.0

    left = int(round(INK_CENTRE * s - new_w / 2))
    left = min(max(left, INK_LEFT * s), INK_RIGHT * s - new_w)
    upper = BASELINE * s - top
    if upper < INK_TOP * s or upper + height > INK_BOTTOM * s:
        raise RuntimeError("glyph %r does not fit between the ink rows" % text)

    fine = np.zeros((CELL * s, CELL * s), dtype=np.float64)
    fine[upper:upper + height, left:left + new_w] = ink
    coverage = fine.reshape(CELL, s, CELL, s).mean(axis=(1, 3))
    coverage[coverage < MIN_COVERAGE] = 0.0
    return np.sqrt(coverage) * 255.0


def ink_height(font, text):
    """Rows from the baseline up to the top of the glyph's ink."""
    return render_ink(font, text)[1]


def make_font():
    """The face at the size that gives CAP_HEIGHT, with its vertical shape and stretch."""
    reference = ImageFont.truetype(FONT_FILE, 1000)
    size = int(round(CAP_HEIGHT * SUPERSAMPLE * 1000 / ink_height(reference, "H")))
    font = ImageFont.truetype(FONT_FILE, size)
    shape = VerticalShape(ink_height(font, "d"))
    letter_o = render_ink(font, "o")[0]
    stretch = ROUND_ASPECT * SQUEEZE * letter_o.shape[0] / letter_o.shape[1]
    return font, shape, stretch


def build_atlas():
    font, shape, stretch = make_font()
    atlas = np.zeros((CELLS * CELL, CELLS * CELL), dtype=np.float64)
    for byte in range(256):
        text = glyph_text(byte)
        if text is None:
            continue
        row, column = divmod(byte, CELLS)
        cell = draw_cell(font, shape, stretch, text)
        if not cell.any():
            raise RuntimeError("glyph for byte 0x%02X came out empty" % byte)
        atlas[row * CELL:(row + 1) * CELL, column * CELL:(column + 1) * CELL] = cell
    return np.repeat(atlas[:, :, None], 3, axis=2)


def main(out_path):
    write_tga(out_path, build_atlas())


if __name__ == "__main__":
    main(sys.argv[1])
