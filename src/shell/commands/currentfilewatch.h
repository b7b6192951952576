#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <functional>

class DriveDocument;

// Watches the file being edited for changes made by others, so that a save never writes
// over them unseen. What the editor itself loaded or wrote is the known state (size and
// modification time); a change to anything else asks the user to reload the file, to
// compare it with the data in the editor, or to keep the editor's data.
class CurrentFileWatch : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kChangedQuestion =
        " was changed on disk by another program.\r\nYes: reload it (unsaved edits are kept in autoBackup.kpd). "
        "No: compare it with the data in the editor. Cancel: keep the editor's data.";

    using FileAction = std::function<void(const QString& file)>;

    // Follows the document's current file; reload and compare are the answers Yes and No.
    CurrentFileWatch(DriveDocument& document, FileAction reload, FileAction compare);

    // Starts watching the file as it is now; an empty name stops watching.
    void follow(const QString& path);
    // The editor has written `path` itself: when it is the file watched, that is the known state.
    void wrote(const QString& path);
    // True when the file on disk is no longer what the editor loaded or wrote.
    bool changedOnDisk() const;
    // Asks about a change on disk; true when the editor's data may now be written over the file.
    bool settle();

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stampNow() const;
    void watchAgain();

    DriveDocument& document_;
    FileAction reload_;
    FileAction compare_;
    QFileSystemWatcher watcher_;
    QString path_;
    Stamp known_;
    bool asking_ = false;
};
