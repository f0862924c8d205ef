"""Draws the game's icon at the sizes desktops ask for: reversi-48.png ... reversi-256.png.

The icon is the game's own picture seen from the player's chair: a wooden frame around a green
board with dark grid lines, tilted away, with the four discs of the start position in the middle
(two dark, two white, each showing its edge). It is drawn once, large, and scaled down to each
size, so the small icons are smooth; the background is transparent.
"""
import os
import sys

from PIL import Image, ImageDraw

SIZES = (48, 64, 128, 256)
MASTER = 1024                     # drawing size, scaled down for every icon

WOOD = (124, 74, 36, 255)
WOOD_EDGE = (84, 48, 22, 255)
FELT = (28, 128, 64, 255)
LINE = (12, 58, 30, 255)
DARK_FACE, DARK_EDGE = (34, 34, 38, 255), (10, 10, 12, 255)
LIGHT_FACE, LIGHT_EDGE = (240, 240, 236, 255), (168, 168, 164, 255)

CELLS = 4                         # the middle of the board: four squares a side
TOP_Y, BOTTOM_Y = 0.20, 0.88      # the board's far and near edges, as shares of the picture
TOP_HALF, BOTTOM_HALF = 0.30, 0.44  # half widths there: the far edge looks narrower
FRAME = 0.07                      # frame width, as a share of the picture


def board_point(u, v):
    """Picture position of board coordinates u (left 0 .. right 1) and v (far 0 .. near 1)."""
    half = TOP_HALF + (BOTTOM_HALF - TOP_HALF) * v
    y = TOP_Y + (BOTTOM_Y - TOP_Y) * v
    return ((0.5 + (u - 0.5) * 2 * half) * MASTER, y * MASTER)


def quad(u0, v0, u1, v1):
    return [board_point(u0, v0), board_point(u1, v0), board_point(u1, v1), board_point(u0, v1)]


def draw_frame(draw):
    f = FRAME * MASTER
    (x0, y0), (x1, _), (x2, y2), (x3, _) = quad(0, 0, 1, 1)
    outer = [(x0 - f * 0.8, y0 - f * 0.8), (x1 + f * 0.8, y0 - f * 0.8),
             (x2 + f, y2 + f), (x3 - f, y2 + f)]
    draw.polygon(outer, fill=WOOD_EDGE)
    inset = f * 0.18
    draw.polygon([(x0 - f * 0.8 + inset, y0 - f * 0.8 + inset),
                  (x1 + f * 0.8 - inset, y0 - f * 0.8 + inset),
                  (x2 + f - inset, y2 + f - inset * 2.5), (x3 - f + inset, y2 + f - inset * 2.5)],
                 fill=WOOD)


def draw_board(draw):
    draw.polygon(quad(0, 0, 1, 1), fill=FELT)
    width = max(1, round(MASTER * 0.012))
    for i in range(CELLS + 1):
        t = i / CELLS
        draw.line([board_point(t, 0), board_point(t, 1)], fill=LINE, width=width)
        draw.line([board_point(0, t), board_point(1, t)], fill=LINE, width=width)


def draw_disc(draw, cell_u, cell_v, face, edge):
    """A disc on square (cell_u, cell_v) of the 4 x 4 middle: its edge, then its face on top."""
    cx, cy = board_point((cell_u + 0.5) / CELLS, (cell_v + 0.5) / CELLS)
    x_left, _ = board_point(cell_u / CELLS, (cell_v + 0.5) / CELLS)
    rx = (cx - x_left) * 0.80
    ry = rx * 0.62                  # the tilt flattens the round face
    lift = rx * 0.22                # the disc's thickness as seen
    draw.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=edge)
    draw.rectangle([cx - rx, cy - lift, cx + rx, cy], fill=edge)
    draw.ellipse([cx - rx, cy - ry - lift, cx + rx, cy + ry - lift], fill=face)


def build_master():
    picture = Image.new("RGBA", (MASTER, MASTER), (0, 0, 0, 0))
    draw = ImageDraw.Draw(picture)
    draw_frame(draw)
    draw_board(draw)
    # The start position's middle: dark on the long diagonal's ends, white on the other.
    for (u, v), dark in (((1, 1), False), ((2, 1), True), ((1, 2), True), ((2, 2), False)):
        draw_disc(draw, u, v, *((DARK_FACE, DARK_EDGE) if dark else (LIGHT_FACE, LIGHT_EDGE)))
    return picture


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    master = build_master()
    for size in SIZES:
        icon = master.resize((size, size), Image.LANCZOS)
        icon.save(os.path.join(out_dir, "reversi-%d.png" % size), format="PNG",
                  optimize=False, compress_level=9)


if __name__ == "__main__":
    main(sys.argv[1])
