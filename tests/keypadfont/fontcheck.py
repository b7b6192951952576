#!/usr/bin/env python3
"""Checks the keypad font against the glyph table: fontTools and fc-scan load it, and a dozen
glyphs drawn at 8 pixels per dot have the table's dots, with the empty column after the cell.

usage: fontcheck.py FONT LCDGLYPHS_PROGRAM    (exit 77: a tool is missing)
"""
import shutil
import subprocess
import sys

try:
    from fontTools.pens.pointInsidePen import PointInsidePen
    from fontTools.ttLib import TTFont
except ImportError:
    print("fontTools is missing (scripts/setup.sh installs python3-fonttools)")
    sys.exit(77)

PIXELS = 8
CODES = [0x10, 0x21, 0x30, 0x41, 0x5C, 0x67, 0x7E, 0x7F, 0x80, 0x9F, 0xB0, 0xD8, 0xE4, 0xFF]


def table(program):
    text = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    rows, code = {}, None
    for line in text.split():
        if line.startswith("0x"):
            code = int(line, 16)
            rows[code] = []
        else:
            rows[code].append(line)
    return rows


def drawn(font, code):
    """The glyph at U+E000 + code drawn on a grid of 8 pixels per dot: 6 columns, 8 rows."""
    glyph_set = font.getGlyphSet()
    name = font.getBestCmap()[0xE000 + code]
    units = font["head"].unitsPerEm / 8
    bottom = font["hhea"].descent
    rows = []
    for r in range(8):
        row = ""
        for c in range(6):
            lit = 0
            for py in range(PIXELS):
                for px in range(PIXELS):
                    x = (c + (px + 0.5) / PIXELS) * units
                    y = bottom + (7 - r + (py + 0.5) / PIXELS) * units
                    pen = PointInsidePen(glyph_set, (x, y))
                    glyph_set[name].draw(pen)
                    lit += pen.getResult()
            row += "#" if lit > PIXELS * PIXELS // 2 else "."
        rows.append(row)
    return rows


def main():
    font_path, program = sys.argv[1], sys.argv[2]
    font = TTFont(font_path)
    failures = []
    if len(font.getGlyphOrder()) != 241:
        failures.append("%d glyphs, not 240 and .notdef" % (len(font.getGlyphOrder()) - 1))
    expected = table(program)
    for code in CODES:
        got = drawn(font, code)
        want = [row + "." for row in expected[code]]
        if got != want:
            failures.append("0x%02X drawn as %s, the table has %s" % (code, got, want))
    if font.getBestCmap().get(ord("A")) != font.getBestCmap()[0xE041]:
        failures.append("'A' is not the glyph of code 0x41")
    if shutil.which("fc-scan") is None:
        print("fc-scan is missing (scripts/setup.sh installs fontconfig)")
        sys.exit(77)
    scanned = subprocess.run(["fc-scan", "--format", "%{family}|%{spacing}", font_path],
                             capture_output=True, text=True)
    if scanned.returncode != 0 or scanned.stdout != "Keypad LCD|100":
        failures.append("fc-scan: %r %s" % (scanned.stdout, scanned.stderr))
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
