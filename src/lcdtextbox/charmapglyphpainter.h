#pragma once

#include <QColor>
#include <QPoint>

#include <cstdint>

class QPainter;

// Draws a keypad glyph enlarged by a whole factor: every dot becomes a scale × scale
// block, lit dots black on the given background, with no gap column or row (the
// character map spaces its cells itself).
class CharMapGlyphPainter {
public:
    static void draw(QPainter& painter, QPoint topLeft, int scale, std::uint8_t code, const QColor& background);
};
