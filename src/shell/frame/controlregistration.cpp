#include "controlregistration.h"

#include "comrt/comruntime.h"
#include "comrt/librarytrust.h"
#include "lcdtextbox/lcdtextboxids.h"
#include "lcdtextboxhost/lcdtextboxhost.h"

#include <QDir>
#include <QFileInfo>

QString ControlRegistration::refusal()
{
    const QString registered = comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass);
    // A library that has gone is replaced by ensure(), not refused.
    return QFileInfo(registered).isFile() ? comrt::LibraryTrust::refusal(registered) : QString();
}

comrt::Result ControlRegistration::ensure(const QString& libraryFolder)
{
    const QString registered = comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass);
    if (!registered.isEmpty() && QFileInfo(registered).isFile()) return comrt::result::ok;
    return comrt::ComRuntime::registerServer(
        QDir(libraryFolder).filePath(QString::fromLatin1(LcdtextboxHost::libraryFileName)));
}
