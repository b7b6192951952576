#!/usr/bin/env python3
"""Draws the five unit icons that the parameter editor's mimic shows beside the value.

Command line:
  uniticons.py --out DIR

Writes noicon.bmp (no unit), pcicon.bmp (%), ampicon.bmp (A), rpmicon.bmp (RPM) and
hzicon.bmp (Hz): 24-bit Windows bitmaps, standard library only, the same bytes on every run.

The letters are drawn in 5 x 7 dots of 2 x 2 pixels, the scale at which the editor draws
the keypad's own character cells, so they read as the mimic's value beside them.
"""

import argparse
import os
import struct
import sys

DOT = 2
WIDTH = 48
HEIGHT = 22
GLYPH_GAP = 1

BACKGROUND = (0xE8, 0xEC, 0xE0)
FRAME = (0x80, 0x80, 0x80)
INK = (0x00, 0x00, 0x00)

# Rows top to bottom, "#" a dot.
GLYPHS = {
    "%": ["##...", "##..#", "...#.", "..#..", ".#...", "#..##", "...##"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
}

ICONS = {"noicon.bmp": "", "pcicon.bmp": "%", "ampicon.bmp": "A", "rpmicon.bmp": "RPM", "hzicon.bmp": "Hz"}


def pixels(label):
    """The icon as rows of pixel colours: a one-pixel frame and the label centred in it;
    no unit is the bare background, so the mimic keeps its layout."""
    grid = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    if not label:
        return grid
    for x in range(WIDTH):
        grid[0][x] = grid[HEIGHT - 1][x] = FRAME
    for y in range(HEIGHT):
        grid[y][0] = grid[y][WIDTH - 1] = FRAME
    width = (len(label) * 5 + (len(label) - 1) * GLYPH_GAP) * DOT
    left = (WIDTH - width) // 2
    top = (HEIGHT - 7 * DOT) // 2
    for i, ch in enumerate(label):
        for y, row in enumerate(GLYPHS[ch]):
            for x, cell in enumerate(row):
                if cell != "#":
                    continue
                for py in range(DOT):
                    for px in range(DOT):
                        grid[top + y * DOT + py][left + (i * (5 + GLYPH_GAP) + x) * DOT + px] = INK
    return grid


def bitmap(grid):
    """A 24-bit bottom-up BMP of the grid."""
    width = len(grid[0])
    height = len(grid)
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(grid):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    return header + info + bytes(data)


def main(argv):
    parser = argparse.ArgumentParser(description="The parameter editor's unit icons.")
    parser.add_argument("--out", required=True)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for name, label in ICONS.items():
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(bitmap(pixels(label)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
