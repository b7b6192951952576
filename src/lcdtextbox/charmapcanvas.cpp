#include "charmapcanvas.h"

#include <QPainter>

CharmapCanvas::CharmapCanvas(QWidget* parent, PaintFunction paint) : QWidget(parent), m_paint(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CharmapCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paint(painter);
}
