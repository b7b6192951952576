#include "currentfilewatch.h"

#include "modeltext/modeltext.h"
#include "shell/drivedocument.h"

#include <QApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

CurrentFileWatch::CurrentFileWatch(DriveDocument& document, FileAction reload, FileAction compare)
    : document_(document), reload_(std::move(reload)), compare_(std::move(compare))
{
    connect(&document_, &DriveDocument::currentFileChanged, this, &CurrentFileWatch::follow);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        watchAgain();
        // A reload under an open dialog or a running load, build or download would pull the
        // data from under it: then the question waits for the next save.
        const bool busy = asking_ || QApplication::activeModalWidget() || QApplication::overrideCursor();
        if (!busy && changedOnDisk()) settle();
    });
}

void CurrentFileWatch::follow(const QString& path)
{
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    path_ = path;
    known_ = stampNow();
    if (!path_.isEmpty()) watcher_.addPath(path_);
}

void CurrentFileWatch::wrote(const QString& path)
{
    if (path_.isEmpty() || QFileInfo(path) != QFileInfo(path_)) return;
    known_ = stampNow();
    watchAgain();
}

CurrentFileWatch::Stamp CurrentFileWatch::stampNow() const
{
    const QFileInfo file(path_);
    if (path_.isEmpty() || !file.isFile()) return {};
    return {file.size(), file.lastModified()};
}

void CurrentFileWatch::watchAgain()
{
    // A file replaced by renaming another over it (as every save here does) is a new file:
    // the watch on the old one has ended.
    if (path_.isEmpty() || !QFileInfo(path_).isFile()) return;
    watcher_.removePath(path_);
    watcher_.addPath(path_);
}

bool CurrentFileWatch::changedOnDisk() const
{
    // A file deleted meanwhile holds nothing a save could lose.
    const Stamp now = stampNow();
    return now.size >= 0 && now != known_;
}

bool CurrentFileWatch::settle()
{
    if (!changedOnDisk()) return true;
    const QScopedValueRollback<bool> asking(asking_, true);
    const QString file = path_;
    const kpd::MessageAnswer answer =
        document_.ui().message("The file " + toModel(file) + kChangedQuestion, "WARNING", kpd::MessageIcon::Exclamation,
                               kpd::MessageButtons::YesNoCancel);
    if (answer == kpd::MessageAnswer::Yes) {
        reload_(file);
        return false;
    }
    // Seen and decided: the next save writes over this state without asking again.
    known_ = stampNow();
    if (answer == kpd::MessageAnswer::No) compare_(file);
    return answer != kpd::MessageAnswer::No;
}
