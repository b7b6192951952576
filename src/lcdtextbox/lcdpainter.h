#pragma once

#include <QColor>
#include <QRect>

class CKeypadText;
class GridGeometry;
class SpellMarks;
class QPainter;

// Draws a keypad text box: a grid of character cells, each glyph scaled onto its cell as
// a block of 6 × 9 dots (the 5 × 8 glyph plus a one-dot gap at the right and bottom).
class LcdPainter {
public:
    static constexpr QRgb lineBreakColor = 0x00FF00;
    static constexpr QRgb selectedLineBreakColor = 0xFF00FF;
    static constexpr QRgb selectedColor = 0xFFFF00;

    struct Look {
        QColor backColor;
        QColor emptyCellColor;
        bool enabled = true;
        bool focused = false;
        // Misspelled words to underline, or none.
        const SpellMarks* marks = nullptr;
    };

    // Draws the text's view as it stands: scrolling it to the cursor is the editor's job.
    static void paint(QPainter& painter, const QRect& bounds, const GridGeometry& grid, const CKeypadText& text,
                      const Look& look);

    static constexpr QRgb spellMarkColor = 0xE00000;

private:
    static void drawSpellMarks(QPainter& painter, const GridGeometry& grid, const CKeypadText& text,
                               const SpellMarks& marks);
    static void drawGlyph(QPainter& painter, const QRect& cell, int code, const QColor& background);
};
