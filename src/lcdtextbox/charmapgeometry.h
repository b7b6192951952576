#pragma once

#include "gridgeometry.h"

#include <QPoint>
#include <QRect>

#include <optional>

// Where the character map paints its glyphs, in pixels of its 800 × 468 form: the grid of
// the 240 keypad characters, the strip of picked characters below it and the enlarged
// glyph. Each glyph is drawn 3 pixels per dot (7 when enlarged) and sits in a pitch a little
// larger than itself; a click anywhere in a pitch picks its character.
class CharMapGeometry {
public:
    static constexpr int firstCode = 16;
    static constexpr int lastCode = 255;
    static constexpr int gridColumns = 24;
    static constexpr int gridRows = 10;
    static constexpr int stripCells = 16;
    static constexpr int smallScale = 3;
    static constexpr int largeScale = 7;

    static GridGeometry grid();
    static GridGeometry strip();
    static QRect codeCell(int code);
    // The character whose pitch holds point, or nothing off the grid.
    static std::optional<int> codeAt(const QPoint& point);
    static QRect enlargedGlyphRect();
    static QRect enlargedArea();
};
