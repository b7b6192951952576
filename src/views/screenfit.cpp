#include "screenfit.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

QSize ScreenFit::within(const QWidget& window, QSize wanted)
{
    const QScreen* screen = window.screen();
    if (!screen) return wanted;
    QSize frame = window.frameGeometry().size() - window.size();
    // Before the first show the frame is not known yet: a title bar and two borders.
    if (frame.isEmpty()) {
        const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
        frame = QSize(2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 2 * border);
    }
    return wanted.boundedTo(screen->availableGeometry().size() - frame);
}

void ScreenFit::resize(QWidget& window, QSize wanted)
{
    window.resize(within(window, wanted));
}
