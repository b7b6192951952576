#include "userdrivefolder.h"

#include "install/installlayout.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/fixedfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kConfiguration = QStringLiteral("kpdconf.kpx");

// One file through a temporary name, so that a copy cut short never looks complete.
QString copyFile(const QString& from, const QString& to)
{
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    QFile source(from);
    if (!source.copy(part)) return source.errorString();
    // The bundled files are read-only for their owner; the user's copies are the user's to edit.
    QFile copy(part);
    copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    QFile::remove(to);
    if (!copy.rename(to)) return copy.errorString();
    return {};
}

} // namespace

StartupSettings UserDriveFolder::leaving(StartupSettings settings, const std::string& folder)
{
    const QString left = QDir::cleanPath(QDir(fromFileName(folder)).absolutePath());
    const auto inside = [&left](const std::string& file) {
        return !file.empty() && QDir::cleanPath(QFileInfo(fromFileName(file)).absolutePath()) == left;
    };
    if (inside(settings.lastFile)) settings.lastFile.clear();
    if (inside(settings.autoSaveFile)) settings.autoSaveFile.clear();
    return settings;
}

QString UserDriveFolder::location()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool UserDriveFolder::holdsDrive(const QString& folder)
{
    if (folder.isEmpty()) return false;
    return QFileInfo(fromFileName(kpd::FixedFile::path(toFileName(folder), toFileName(kConfiguration)))).isFile();
}

UserDriveFolder::Start UserDriveFolder::choose(const kpd::InstallLayout& layout, const QString& folderOption,
                                               const QString& remembered)
{
    if (!folderOption.isEmpty()) return {QDir(folderOption).absolutePath(), {}};
    if (holdsDrive(remembered)) return {QDir(remembered).absolutePath(), {}};
    const QString bundled = fromFileName(layout.bundledData().string());
    if (!layout.installed()) return {bundled, {}};
    const QString own = location();
    const QString problem = seed(bundled, own);
    if (!problem.isEmpty()) return {bundled, problem};
    return {own, {}};
}

QString UserDriveFolder::seed(const QString& bundled, const QString& target)
{
    if (holdsDrive(target)) return {};
    const auto failure = [&target](const QString& reason) {
        return QStringLiteral("Cannot copy the drive data to %1 : %2").arg(QDir::toNativeSeparators(target), reason);
    };
    const QDir source(bundled);
    if (!QDir().mkpath(target)) return failure(QStringLiteral("the folder cannot be created"));
    // The configuration goes last: until it is there, the next start copies again.
    QString configuration;
    QDirIterator files(bundled, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = source.relativeFilePath(from);
        if (relative.compare(kConfiguration, Qt::CaseInsensitive) == 0) {
            configuration = relative;
            continue;
        }
        const QString to = QDir(target).filePath(relative);
        if (QFileInfo::exists(to)) continue;
        if (!QDir().mkpath(QFileInfo(to).path())) return failure(QStringLiteral("the folder cannot be created"));
        const QString reason = copyFile(from, to);
        if (!reason.isEmpty()) return failure(reason);
    }
    if (configuration.isEmpty()) return failure(QStringLiteral("there is no drive data in ") + bundled);
    const QString reason = copyFile(source.filePath(configuration), QDir(target).filePath(configuration));
    return reason.isEmpty() ? QString() : failure(reason);
}
