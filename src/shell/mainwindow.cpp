#include "mainwindow.h"

#include "model/userinterface.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QString::fromLatin1(kpd::kProgramTitle));
    resize(800, 600);
}
