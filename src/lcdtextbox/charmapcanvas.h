#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A see-through layer over the whole character map that draws its painted parts above
// the group boxes (whose style may shade their inside) and below the controls. Mouse
// events pass through it to the dialog.
class CharMapCanvas : public QWidget {
public:
    using PaintFunction = std::function<void(QPainter&)>;

    CharMapCanvas(QWidget* parent, PaintFunction paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintFunction m_paint;
};
