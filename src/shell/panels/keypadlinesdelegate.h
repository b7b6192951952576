#pragma once

#include <QStyledItemDelegate>

// Draws a text of the texts list as the keypad shows it: the escaped text laid out in
// display lines of 16 cells, one dot a pixel, so that a line break or an overflow shows
// where the keypad puts it. Lines beyond the row's height are counted at the right.
class KeypadLinesDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kDot = 1;
    static constexpr int kMargin = 2;
    static constexpr int kShownLines = 2;

    explicit KeypadLinesDelegate(QObject* parent = nullptr);
    // A display line and the count of the lines beyond the row.
    static int columnWidth();
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
