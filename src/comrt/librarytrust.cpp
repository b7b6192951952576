#include "librarytrust.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace comrt {

namespace {

// Why someone other than the user or root could change what st describes, or "".
QString changeableBy(const struct stat& st)
{
    if (st.st_uid != 0 && st.st_uid != ::geteuid())
        return QStringLiteral("belongs to another user (user id %1)").arg(st.st_uid);
    if (st.st_mode & S_IWOTH) return QStringLiteral("is writable by every user");
    if (st.st_mode & S_IWGRP) return QStringLiteral("is writable by its group");
    return QString();
}

} // namespace

QString LibraryTrust::refusal(const QString& libraryPath)
{
    // The file that would be loaded, wherever links lead.
    const QString library = QFileInfo(libraryPath).canonicalFilePath();
    const QString folder = QFileInfo(library).absolutePath();
    const auto refused = [&](const QString& reason) {
        return QStringLiteral("The component library %1 is not loaded: %2").arg(libraryPath, reason);
    };
    struct stat st {};
    if (library.isEmpty() || ::stat(QFile::encodeName(library).constData(), &st) != 0)
        return refused(QStringLiteral("it cannot be found"));
    if (const QString reason = changeableBy(st); !reason.isEmpty()) return refused(QStringLiteral("it ") + reason);
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return refused(QStringLiteral("its folder %1 cannot be examined").arg(folder));
    if (const QString reason = changeableBy(st); !reason.isEmpty())
        return refused(QStringLiteral("its folder %1 %2").arg(folder, reason));
    return QString();
}

} // namespace comrt
