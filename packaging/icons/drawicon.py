#!/usr/bin/env python3
"""Draws the program's icon: a keypad with its two-line dot-matrix display and four keys.

Command line:
  drawicon.py --out DIR

Writes keypad-string-tool.svg and keypad-string-tool-SIZE.png for SIZE in 16, 32, 48, 64,
128 and 256, standard library only, the same bytes on every run. Both come from one list of
shapes on a 64 x 64 grid; the PNGs are sampled 4 x 4 times per pixel for smooth edges.
"""

import argparse
import os
import struct
import sys
import zlib

GRID = 64
SIZES = (16, 32, 48, 64, 128, 256)
SAMPLES = 4

CASE = (0x3A, 0x3F, 0x44)
CASE_EDGE = (0x22, 0x26, 0x2A)
LCD = (0x9B, 0xC5, 0x3D)
LCD_EDGE = (0x2E, 0x3B, 0x12)
DOT = (0x1E, 0x2A, 0x0C)
KEY = (0xC8, 0xCC, 0xD0)
KEY_ENTER = (0xE0, 0x7A, 0x2F)

# 5 x 7 dots per character, rows top to bottom, "#" a dot.
GLYPHS = {
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
    " ": ["....."] * 7,
}
LINES = ("VX  ", "50Hz")
LCD_BOX = (10, 14, 54, 36)
CELL_ORIGIN = (13, 17)


def shapes():
    """(kind, geometry, colour) on the 64 grid, painted in order."""
    out = [
        ("rrect", (5, 6, 59, 58, 7), CASE_EDGE),
        ("rrect", (6, 7, 58, 57, 6), CASE),
        ("rrect", LCD_BOX + (2,), LCD_EDGE),
        ("rrect", (LCD_BOX[0] + 1, LCD_BOX[1] + 1, LCD_BOX[2] - 1, LCD_BOX[3] - 1, 1.5), LCD),
    ]
    for row, text in enumerate(LINES):
        for col, char in enumerate(text):
            for dy, dots in enumerate(GLYPHS[char]):
                for dx, dot in enumerate(dots):
                    if dot == "#":
                        x = CELL_ORIGIN[0] + col * 10 + dx * 1.6
                        y = CELL_ORIGIN[1] + row * 9 + dy * 1.1
                        out.append(("rect", (x, y, x + 1.3, y + 0.9), DOT))
    for i, x in enumerate((16, 27, 38, 49)):
        out.append(("circle", (x, 47, 4), KEY_ENTER if i == 3 else KEY))
    return out


def inside(kind, g, x, y):
    if kind == "rect":
        return g[0] <= x < g[2] and g[1] <= y < g[3]
    if kind == "circle":
        return (x - g[0]) ** 2 + (y - g[1]) ** 2 <= g[2] ** 2
    x0, y0, x1, y1, r = g
    if not (x0 <= x < x1 and y0 <= y < y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def render(size, items):
    """RGBA rows of the icon at size x size pixels."""
    scale = GRID / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for kind, g, c in items:
                        if inside(kind, g, x, y):
                            colour = c
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            if acc[3]:
                # Colour averaged over the covered samples; coverage as alpha.
                row += bytes((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], acc[3] * 255 // n))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + r for r in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def svg(items):
    def hexc(c):
        return "#%02x%02x%02x" % c

    def num(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    for kind, g, c in items:
        if kind == "rect":
            parts.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                         % (num(g[0]), num(g[1]), num(g[2] - g[0]), num(g[3] - g[1]), hexc(c)))
        elif kind == "circle":
            parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (num(g[0]), num(g[1]), num(g[2]), hexc(c)))
        else:
            parts.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                         % (num(g[0]), num(g[1]), num(g[2] - g[0]), num(g[3] - g[1]), num(g[4]), hexc(c)))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    items = shapes()
    with open(os.path.join(args.out, "keypad-string-tool.svg"), "w", encoding="ascii") as f:
        f.write(svg(items))
    for size in SIZES:
        with open(os.path.join(args.out, "keypad-string-tool-%d.png" % size), "wb") as f:
            f.write(png(size, render(size, items)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
