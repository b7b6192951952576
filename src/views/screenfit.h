#pragma once

#include <QSize>

class QWidget;

// Keeps a top-level window on its screen: at large scale factors the sizes the windows
// ask for are larger than the screen, and a window that opens beyond its edges hides its
// own buttons.
class ScreenFit {
public:
    // What the window may take of `wanted`: no more than the screen's available area
    // less the frame the window manager puts around it.
    static QSize within(const QWidget& window, QSize wanted);
    // Resizes the window to what it may take of `wanted`.
    static void resize(QWidget& window, QSize wanted);
};
