#include "keypadlinesdelegate.h"

#include "shell/keypaddisplaymimic.h"
#include "textslistmodel.h"

#include "checks/keypadtextlayout.h"

#include <QPainter>

KeypadLinesDelegate::KeypadLinesDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

void KeypadLinesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant escaped = index.data(TextsListModel::EscapedRole);
    if (!escaped.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QByteArray bytes = escaped.toByteArray();
    const std::vector<std::string> lines =
        kpd::KeypadTextLayout::lines(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const QSize cell = KeypadDisplayMimic::cellSize(kDot);
    // The grid line takes a pixel of the row; the margin below may give it up.
    const int fit = std::max(1, (option.rect.height() - kMargin + 1) / cell.height());
    const int width = kpd::KeypadTextLayout::kDisplayColumns * cell.width();

    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const QRect display(option.rect.left() + kMargin, option.rect.top() + kMargin, width,
                        std::min(fit, std::max(1, static_cast<int>(lines.size()))) * cell.height());
    painter->fillRect(display, KeypadDisplayMimic::background());
    QList<QByteArray> shown;
    for (std::size_t k = 0; k < lines.size() && static_cast<int>(k) < fit; ++k)
        shown.append(QByteArray(lines[k].data(), static_cast<qsizetype>(lines[k].size())));
    KeypadDisplayMimic::paintLines(*painter, display.topLeft(), shown, kpd::KeypadTextLayout::kDisplayColumns, kDot);
    if (static_cast<int>(lines.size()) > fit) {
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect rest(display.right() + 4, option.rect.top(), option.rect.right() - display.right() - 4,
                         option.rect.height());
        painter->drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("+") + QString::number(static_cast<int>(lines.size()) - fit));
    }
    painter->restore();
}

int KeypadLinesDelegate::columnWidth()
{
    return kpd::KeypadTextLayout::kDisplayColumns * KeypadDisplayMimic::cellSize(kDot).width() + 2 * kMargin + 24;
}

QSize KeypadLinesDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.data(TextsListModel::EscapedRole).isValid()) return QStyledItemDelegate::sizeHint(option, index);
    return {columnWidth(), kShownLines * KeypadDisplayMimic::cellSize(kDot).height() + 2 * kMargin};
}
