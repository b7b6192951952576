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
}

KeypadDisplayMimic::KeypadDisplayMimic(int columns, int rows, QWidget* parent)
    : QWidget(parent), columns_(columns)
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

void KeypadDisplayMimic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    for (int row = 0; row < lines_.size(); ++row) {
        const QByteArray bytes = lines_[row].toLatin1();
        for (int col = 0; col < columns_ && col < bytes.size(); ++col) {
            const lcd::GlyphRows glyph = lcd::glyphRows(static_cast<std::uint8_t>(bytes[col]));
            const int x0 = kMargin + col * kCellWidth;
            const int y0 = kMargin + row * kCellHeight;
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 5; ++x) {
                    if (glyph[static_cast<std::size_t>(y)] & (0x10 >> x))
                        painter.fillRect(x0 + x * kDot, y0 + y * kDot, kDot, kDot, kLit);
                }
            }
        }
    }
}
