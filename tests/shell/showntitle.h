#pragma once

#include <QString>
#include <QWidget>
#include <QWindow>

// A window's title as the desktop shows it: Qt's unsaved mark resolved, which windowTitle()
// leaves as its placeholder. The window gets its platform window if it has none yet.
inline QString shownTitle(QWidget& window)
{
    window.winId();
    return window.windowHandle()->title();
}
