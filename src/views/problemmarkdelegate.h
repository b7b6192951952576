#pragma once

#include <QStyledItemDelegate>

// Draws a grid cell as usual and, when the cell has problems, a small triangle in its
// top right corner, so that they are seen without hovering over every cell.
class ProblemMarkDelegate : public QStyledItemDelegate {
public:
    // The role of a cell's problem text; a cell without problems has none.
    static constexpr int ProblemRole = Qt::UserRole + 40;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
