#include "lcdpainter.h"

#include "gridgeometry.h"
#include "keypadtext/ckeypadtext.h"
#include "keypadtext/lcdglyphs.h"
#include "spellmarks.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

constexpr int blockWidth = 6;  // 5 dots and the gap column
constexpr int blockHeight = 9; // 8 dots and the gap row
constexpr int cursorBarHeight = 2;

// Edge of dot n when a block of count dots is stretched over length pixels.
int dotEdge(int n, int length, int count)
{
    return n * length / count;
}

} // namespace

void LcdPainter::paint(QPainter& painter, const QRect& bounds, const GridGeometry& grid, const CKeypadText& text,
                       const Look& look)
{
    painter.fillRect(bounds, look.backColor);
    for (int i = 0; i < text.cellCount(); ++i) {
        const QRect rect = grid.cellRect(i);
        const CKeypadText::Cell c = text.cellAt(i);
        if (c.byte == CKeypadText::lineBreak) {
            if (look.enabled)
                drawGlyph(painter, rect, 0x17,
                          QColor::fromRgb(c.isSelected ? selectedLineBreakColor : lineBreakColor));
            else
                drawGlyph(painter, rect, 0x20, look.backColor);
        } else if (c.byte >= 0x10) {
            drawGlyph(painter, rect, c.byte, c.isSelected ? QColor::fromRgb(selectedColor) : look.backColor);
        } else {
            painter.fillRect(rect, look.emptyCellColor);
        }
        if (!look.enabled) continue;

        if (c.isCursorCell) {
            if (text.insertMode()) {
                painter.fillRect(QRect(rect.left(), rect.bottom() - cursorBarHeight + 1, rect.width(),
                                       cursorBarHeight), Qt::black);
            } else {
                painter.save();
                painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect.adjusted(0, 0, -1, -1));
                painter.restore();
            }
        }
        const int markWidth = rect.width() / 5;
        if (c.endMark == CKeypadText::EndMarkLeft)
            painter.fillRect(QRect(rect.left(), rect.top(), markWidth, rect.height()), Qt::black);
        else if (c.endMark == CKeypadText::EndMarkRight)
            painter.fillRect(QRect(rect.right() - markWidth + 1, rect.top(), markWidth, rect.height()), Qt::black);
    }

    if (look.marks && look.enabled) drawSpellMarks(painter, grid, text, *look.marks);

    painter.save();
    painter.setPen(QPen(look.focused ? QColor(Qt::black) : look.backColor, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    painter.restore();
}

// A dotted line in the gap row under each cell of a marked word, where no glyph dot lies.
void LcdPainter::drawSpellMarks(QPainter& painter, const GridGeometry& grid, const CKeypadText& text,
                                const SpellMarks& marks)
{
    painter.save();
    for (const SpellMarks::Range& range : marks.list()) {
        for (int index = range.first; index < range.last && index < text.length(); ++index) {
            const int line = text.lineOf(index);
            const int row = line - text.topRow();
            const int column = index - text.lineStart(line);
            if (row < 0 || row >= text.rows() || column >= text.cols()) continue;
            const QRect cell = grid.cellRect(column, row);
            const int gapTop = cell.top() + dotEdge(blockHeight - 1, cell.height(), blockHeight);
            const int thickness = std::max(1, cell.bottom() + 1 - gapTop);
            const int dot = std::max(1, cell.width() / blockWidth);
            for (int x = cell.left(); x <= cell.right(); x += 2 * dot)
                painter.fillRect(QRect(x, gapTop, std::min(dot, cell.right() + 1 - x), thickness),
                                 QColor::fromRgb(spellMarkColor));
        }
    }
    painter.restore();
}

void LcdPainter::drawGlyph(QPainter& painter, const QRect& cell, int code, const QColor& background)
{
    // The gap column and row take the glyph's background, so a run of selected or
    // line-break cells reads as one band.
    painter.fillRect(cell, background);
    const lcd::GlyphRows rows = lcd::glyphRows(static_cast<std::uint8_t>(code));
    for (int y = 0; y < 8; ++y) {
        const int top = cell.top() + dotEdge(y, cell.height(), blockHeight);
        const int bottom = cell.top() + dotEdge(y + 1, cell.height(), blockHeight);
        for (int x = 0; x < 5; ++x) {
            if (!(rows[static_cast<std::size_t>(y)] & (0x10 >> x))) continue;
            const int left = cell.left() + dotEdge(x, cell.width(), blockWidth);
            const int right = cell.left() + dotEdge(x + 1, cell.width(), blockWidth);
            painter.fillRect(QRect(left, top, right - left, bottom - top), Qt::black);
        }
    }
}
