#include "charmapcanvas.h"

#include <QPainter>

CharMapCanvas::CharMapCanvas(QWidget* parent, PaintFunction paint) : QWidget(parent), m_paint(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CharMapCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paint(painter);
}
