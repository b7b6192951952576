#include "dialogarrow.h"

#include <QPainter>

DialogArrow::DialogArrow(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DialogArrow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    const int middle = height() / 2;
    const int head = qMin(width(), height()) / 2;
    const int tip = width() - 2;
    painter.drawLine(2, middle, tip, middle);
    painter.drawLine(tip - head, middle - head, tip, middle);
    painter.drawLine(tip - head, middle + head, tip, middle);
}
