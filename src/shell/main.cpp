#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VXKey pad tool"));
    MainWindow window;
    window.show();
    return app.exec();
}
