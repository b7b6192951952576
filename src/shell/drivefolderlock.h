#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <string>

namespace kpd {
class UserInterface;
}

// One editor at a time edits a drive folder: the folder's files (the auto-save file, the
// backups, the file edited last) would otherwise be written by both, and the last save
// would win. The lock is a file in the drive folder naming the editor's host and process;
// a lock whose process is gone is taken over without a word.
class DriveFolderLock {
public:
    // Starting: "No" quits the editor. Switching: "No" keeps the folder open now.
    enum class Moment { Starting, Switching };

    static constexpr const char* kLockName = ".keypad-editor.lock";

    // The folder's lock; when another editor holds it, the user chooses between a
    // read-only look and nothing (nullptr).
    static std::unique_ptr<DriveFolderLock> claim(kpd::UserInterface& ui, const QString& folder, Moment moment);

    const QString& folder() const { return folder_; }
    bool readOnly() const { return readOnly_; }
    // The editor ends without destroying its main window: closing it releases the lock.
    void release() { lock_.unlock(); }
    // Who holds the lock: host, process and since when.
    std::string holder() const;

private:
    explicit DriveFolderLock(const QString& folder);

    QString folder_;
    QLockFile lock_;
    bool readOnly_ = false;
};
