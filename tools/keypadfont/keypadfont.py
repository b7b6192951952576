#!/usr/bin/env python3
"""Writes a TrueType font of the keypad's 240 glyphs, so that other tools (a translation
platform's rendered-size check, a document) draw texts as the keypad display shows them.

The glyphs come from the lcdglyphs program's table (0x10 to 0xFF, eight rows of five dots,
'#' lit). Each lit dot is a square; a cell is five dots wide with one empty column after it,
as on the display. Every code is reachable at U+E000 + code; codes 0x20-0x7E and 0xA0-0xFF
also at their Latin-1 character, since that is what a translator types.

usage: keypadfont.py --glyphs LCDGLYPHS_PROGRAM_OR_TABLE_FILE -o OUT.ttf
"""
import argparse
import os
import subprocess
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

DOT = 100          # font units per dot
INSET = 5          # a small gap between dots, as the display's dots have
COLUMNS = 5
ROWS = 8
ADVANCE = (COLUMNS + 1) * DOT
# The bottom row is the cursor and descender row: it sits below the baseline.
DESCENT = DOT
ASCENT = (ROWS - 1) * DOT
PRIVATE_BASE = 0xE000


def read_table(source):
    """The table as {code: [row strings]} from the program's output or a saved copy."""
    if os.access(source, os.X_OK) and not source.endswith(".txt"):
        text = subprocess.run([source], check=True, capture_output=True, text=True).stdout
    else:
        with open(source, encoding="ascii") as f:
            text = f.read()
    table = {}
    code = None
    for line in text.split():
        if line.startswith("0x"):
            code = int(line, 16)
            table[code] = []
        else:
            table[code].append(line)
    if len(table) != 240 or any(len(rows) != ROWS for rows in table.values()):
        sys.exit("keypadfont: the glyph table does not hold 240 glyphs of 8 rows")
    return table


def glyph(rows):
    pen = TTGlyphPen(None)
    for r, row in enumerate(rows):
        for c, dot in enumerate(row):
            if dot != "#":
                continue
            x0 = c * DOT + INSET
            y0 = (ROWS - 1 - r) * DOT - DESCENT + INSET
            x1, y1 = x0 + DOT - 2 * INSET, y0 + DOT - 2 * INSET
            pen.moveTo((x0, y0))
            pen.lineTo((x0, y1))
            pen.lineTo((x1, y1))
            pen.lineTo((x1, y0))
            pen.closePath()
    return pen.glyph()


def build(table, out):
    names = [".notdef"] + ["code%02X" % code for code in sorted(table)]
    cmap = {}
    glyphs = {".notdef": TTGlyphPen(None).glyph()}
    for code, rows in sorted(table.items()):
        name = "code%02X" % code
        glyphs[name] = glyph(rows)
        cmap[PRIVATE_BASE + code] = name
        if 0x20 <= code <= 0x7E or code >= 0xA0:
            cmap[code] = name
    fb = FontBuilder(ROWS * DOT, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    # A rasteriser places the outline so that its left edge lies at the side bearing.
    metrics = {".notdef": (ADVANCE, 0)}
    for code, rows in table.items():
        lit = [c for row in rows for c, dot in enumerate(row) if dot == "#"]
        metrics["code%02X" % code] = (ADVANCE, min(lit) * DOT + INSET if lit else 0)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({"familyName": "Keypad LCD", "styleName": "Regular",
                       "uniqueFontIdentifier": "Keypad LCD Regular", "fullName": "Keypad LCD Regular",
                       "psName": "KeypadLCD-Regular", "version": "Version 1.0"})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, usWinAscent=ASCENT, usWinDescent=DESCENT,
                xAvgCharWidth=ADVANCE)
    fb.setupPost(isFixedPitch=1)
    fb.save(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--glyphs", required=True)
    parser.add_argument("-o", dest="out", required=True)
    args = parser.parse_args()
    build(read_table(args.glyphs), args.out)


if __name__ == "__main__":
    main()
