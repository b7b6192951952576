#include "cellmarkoverlay.h"

#include <QEvent>
#include <QPainter>

CellMarkOverlay::CellMarkOverlay(QWidget* box, int cellWidth, int cellHeight)
    : QWidget(box), cellWidth_(cellWidth), cellHeight_(cellHeight)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(box->rect());
    box->installEventFilter(this);
}

void CellMarkOverlay::setCells(std::vector<kpd::CellChanges::Cell> cells)
{
    cells_ = std::move(cells);
    raise();
    update();
}

void CellMarkOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Orange stays visible on the box's grey and on every glyph's dark dots.
    painter.setPen(QPen(QColor(255, 128, 0), 2));
    for (const kpd::CellChanges::Cell& cell : cells_)
        painter.drawRect(cell.column * cellWidth_ + 1, cell.row * cellHeight_ + 1, cellWidth_ - 2, cellHeight_ - 2);
}

bool CellMarkOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
