#include "mainwindow.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

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
    const QCommandLineOption quitOption(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Close the main window as soon as it is shown, printing the time of the close request "
                       "(microseconds since 1970) on standard output: for start-up and closing timings."));
    options.addOption(quitOption);
    options.process(app);

    // The program folder is the current folder: every fixed file is found there.
    const QString folder = QDir(options.value(folderOption)).absolutePath();
    QDir::setCurrent(folder);

    QtDialogs dialogs;
    MainWindow window(dialogs, folder);
    dialogs.setParent(&window);
    if (!window.load()) return 0;
    window.show();
    if (options.isSet(quitOption)) {
        // A zero timer fires once the events of showing the window have been handled.
        QTimer::singleShot(0, &window, [&window] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("close requested %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            window.close();
        });
    }
    const int status = app.exec();
    // The main window still holds the drive's model, which on the largest drives takes a
    // large part of a second to destroy and frees nothing the operating system would not.
    // The settings are written when the window closes; the process ends here.
    std::fflush(nullptr);
    std::_Exit(status);
}
