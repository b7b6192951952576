#include "charmapglyphpainter.h"

#include "keypadtext/lcdglyphs.h"

#include <QPainter>

void CharMapGlyphPainter::draw(QPainter& painter, QPoint topLeft, int scale, std::uint8_t code,
                               const QColor& background)
{
    constexpr int dotColumns = 5;
    const lcd::GlyphRows rows = lcd::glyphRows(code);
    painter.fillRect(topLeft.x(), topLeft.y(), dotColumns * scale, static_cast<int>(rows.size()) * scale,
                     background);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < dotColumns; ++column)
            if (rows[row] & (0x10 >> column))
                painter.fillRect(topLeft.x() + column * scale, topLeft.y() + row * scale, scale, scale,
                                 Qt::black);
}
