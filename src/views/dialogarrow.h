#pragma once

#include <QWidget>

// The three lines of an arrow pointing right, from a dialog's source to its destination.
class DialogArrow : public QWidget {
public:
    explicit DialogArrow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
