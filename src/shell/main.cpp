#include "mainwindow.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VXKey pad tool"));
    QApplication::setOrganizationName(QStringLiteral("VXKey pad tool"));
    QApplication::setApplicationVersion(QStringLiteral("1.5.0"));

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("Drive data folder."),
                                          QStringLiteral("DIR"), QApplication::applicationDirPath());
    options.addOption(folderOption);
    options.process(app);

    // The program folder is the current folder: every fixed file is found there.
    const QString folder = QDir(options.value(folderOption)).absolutePath();
    QDir::setCurrent(folder);

    QtDialogs dialogs;
    MainWindow window(dialogs, folder);
    dialogs.setParent(&window);
    if (!window.load()) return 0;
    window.show();
    return app.exec();
}
