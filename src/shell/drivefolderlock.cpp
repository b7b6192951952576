#include "drivefolderlock.h"

#include "model/userinterface.h"
#include "modeltext/modeltext.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

DriveFolderLock::DriveFolderLock(const QString& folder)
    : folder_(folder), lock_(QDir(folder).filePath(QString::fromLatin1(kLockName)))
{
    // An editor may run for days: a lock is stale only when its process is gone, never by age.
    lock_.setStaleLockTime(0);
}

std::unique_ptr<DriveFolderLock> DriveFolderLock::claim(kpd::UserInterface& ui, const QString& folder, Moment moment)
{
    std::unique_ptr<DriveFolderLock> lock(new DriveFolderLock(folder));
    // A folder where no lock can be made (write-protected) is one where nothing can be saved either.
    if (lock->lock_.tryLock(0) || lock->lock_.error() != QLockFile::LockFailedError) return lock;
    const std::string no = moment == Moment::Starting ? "No: quit." : "No: stay in the drive folder open now.";
    const kpd::MessageAnswer answer =
        ui.message("The drive folder " + toModel(QDir::toNativeSeparators(folder)) +
                       " is being edited by another keypad editor (" + lock->holder() +
                       ").\r\nYes: open it read-only; nothing can be saved to it. " + no,
                   "WARNING", kpd::MessageIcon::Exclamation, kpd::MessageButtons::YesNo);
    if (answer != kpd::MessageAnswer::Yes) return nullptr;
    lock->readOnly_ = true;
    return lock;
}

std::string DriveFolderLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&pid, &host, &application)) return "holder unknown";
    return "host " + toModel(host) + ", process " + std::to_string(pid) + ", since " +
           toModel(QFileInfo(lock_.fileName()).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}
