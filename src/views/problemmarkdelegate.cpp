#include "problemmarkdelegate.h"

#include <QPainter>
#include <QPainterPath>

void ProblemMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(ProblemRole).toString().isEmpty()) return;
    const int side = std::max(6, option.rect.height() / 4);
    const QRect r = option.rect;
    QPainterPath corner;
    corner.moveTo(r.right() - side, r.top());
    corner.lineTo(r.right(), r.top());
    corner.lineTo(r.right(), r.top() + side);
    corner.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(corner, QColor(0xE0, 0x20, 0x20));
    painter->restore();
}
