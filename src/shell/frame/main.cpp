#include "controlregistration.h"
#include "mainwindow.h"
#include "shell/appsettings.h"
#include "shell/qtdialogs.h"
#include "shell/userdrivefolder.h"

#include "install/installlayout.h"
#include "kpdversion.h"
#include "model/applicationname.h"
#include "modeltext/modeltext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kpd::kApplicationName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kpd::kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kpd::kVersion));
}

// The options Qt's parser answers itself, printing and ending the program.
bool asksForInformation(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Edits the texts of the drive's LCD keypad and builds the keypad's string database.\n"
                       "Installed, it works in a drive folder of the user's own, copied from the sample drive\n"
                       "on the first start; run from the build tree, in the folder of the program."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("Drive data folder."),
                                          QStringLiteral("DIR"));
    options.addOption(folderOption);
    const QCommandLineOption quitOption(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Close the main window as soon as it is shown, printing the time of the close request "
                       "(microseconds since 1970) on standard output: for start-up and closing timings."));
    options.addOption(quitOption);
    if (asksForInformation(argc, argv)) {
        // Help and version need no window system: a machine without a display answers them.
        // The window system's own options (-platform ...) are unknown until QApplication has
        // taken them out, so a command line with them is answered below, as before.
        QCoreApplication information(argc, argv);
        nameApplication();
        if (options.parse(QCoreApplication::arguments())) options.process(information);
    }

    QApplication app(argc, argv);
    nameApplication();
    options.process(app);

    const kpd::InstallLayout layout = kpd::InstallLayout::of(toFileName(QApplication::applicationDirPath()));
    const UserDriveFolder::Start start =
        UserDriveFolder::choose(layout, options.value(folderOption), AppSettings::driveFolder());
    // The program folder is the current folder: every fixed file is found there.
    QDir::setCurrent(start.folder);

    QtDialogs dialogs;
    if (!start.problem.isEmpty())
        dialogs.message(toModel(start.problem), "ERROR", kpd::MessageIcon::Critical, kpd::MessageButtons::Ok);
    ControlRegistration::ensure(fromFileName(layout.libraryFolder().string()));
    if (const QString refused = ControlRegistration::refusal(); !refused.isEmpty())
        dialogs.message(toModel(refused), "ERROR", kpd::MessageIcon::Critical, kpd::MessageButtons::Ok);
    MainWindow window(dialogs, start.folder);
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
