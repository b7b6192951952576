#include "keypaddisplaymimic.h"

#include "keypadtext/lcdglyphs.h"

#include <QPainter>

namespace {
// A cell is 6 × 9 dots (one dot of gap right and below), each dot a 2 × 2 pixel square.
constexpr int kDot = 2;
constexpr int kCellWidth = 6 * kDot;
constexpr int kCellHeight = 9 * kDot;
constexpr int kMargin = 6;
const QColor kBackground(0x9c, 0xb4, 0x6c);
const QColor kLit(0x20, 0x28, 0x18);
} // namespace

KeypadDisplayMimic::KeypadDisplayMimic(int columns, int rows, QWidget* parent) : QWidget(parent), columns_(columns)
{
    for (int i = 0; i < rows; ++i) lines_.append(QString());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void KeypadDisplayMimic::setLine(int row, const QString& text)
{
    if (row < 0 || row >= lines_.size()) return;
    lines_[row] = text;
    update();
}

QString KeypadDisplayMimic::line(int row) const
{
    return row >= 0 && row < lines_.size() ? lines_[row] : QString();
}

QSize KeypadDisplayMimic::sizeHint() const
{
    return {2 * kMargin + columns_ * kCellWidth, 2 * kMargin + static_cast<int>(lines_.size()) * kCellHeight};
}

const QColor& KeypadDisplayMimic::background()
{
    return kBackground;
}

void KeypadDisplayMimic::paintLines(QPainter& painter, QPoint origin, const QList<QByteArray>& lines, int columns,
                                    int dot)
{
    const QSize cell = cellSize(dot);
    for (int row = 0; row < lines.size(); ++row) {
        const QByteArray& bytes = lines[row];
        for (int col = 0; col < columns && col < bytes.size(); ++col) {
            const lcd::GlyphRows glyph = lcd::glyphRows(static_cast<std::uint8_t>(bytes[col]));
            const int x0 = origin.x() + col * cell.width();
            const int y0 = origin.y() + row * cell.height();
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 5; ++x) {
                    if (glyph[static_cast<std::size_t>(y)] & (0x10 >> x))
                        painter.fillRect(x0 + x * dot, y0 + y * dot, dot, dot, kLit);
                }
            }
        }
    }
}

void KeypadDisplayMimic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    QList<QByteArray> bytes;
    for (const QString& line : lines_) bytes.append(line.toLatin1());
    paintLines(painter, {kMargin, kMargin}, bytes, columns_, kDot);
}
