#include "safefile.h"

#include "filewriteerror.h"
#include "writetarget.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd {

namespace {

// A new file beside target that nobody else uses. An existing target's content may be
// private, so the new file starts private too and takes the target's mode once written;
// a new target gets the mode the process's umask gives any new file.
int createBeside(const std::string& target, bool replacing, std::string& temporary, int& fd)
{
    for (;;) {
        temporary = WriteTarget::temporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
        if (fd >= 0) return 0;
        if (errno != EEXIST) return errno;
    }
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The owner first: changing it clears the set-id bits that the mode then restores. Only
// root may give a file away; anyone else keeps at least the group when a member of it, and
// where even that is not permitted the file becomes ours, as any editor's save makes it.
int takeOverOwnerAndMode(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// The new file takes the name only where no file holds it by then: another writer may
// have created one since it was looked for.
int renameIfNew(const std::string& temporary, const std::string& target)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // File systems without an exclusive rename still refuse a link over an existing name.
    if (::link(temporary.c_str(), target.c_str()) != 0) return errno;
    ::unlink(temporary.c_str());
    return 0;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the new file is
// complete and in place by then, and nothing would bring the old one back, so a failure
// here is not the user's concern.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void removeDeadWritersFiles(const std::string& target)
{
    for (const std::string& leftover : WriteTarget::deadWritersTemporaries(target)) {
        struct stat st {};
        if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(leftover.c_str());
    }
}

int replace(const std::string& target, std::string_view bytes, bool onlyIfNew)
{
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return errno;
    if (replacing) {
        if (onlyIfNew) return EEXIST;
        if (S_ISDIR(old.st_mode)) return EISDIR;
        // A write-protected file stays protected, even where its folder would let us
        // replace it and even for root, whom access() never refuses.
        if ((old.st_mode & S_IWUSR) == 0) return EACCES;
        if (::access(target.c_str(), W_OK) != 0) return errno;
    }
    removeDeadWritersFiles(target);

    std::string temporary;
    int fd = -1;
    if (const int error = createBeside(target, replacing, temporary, fd)) return error;
    int error = writeAll(fd, bytes);
    if (!error && replacing) error = takeOverOwnerAndMode(fd, old);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && onlyIfNew) error = renameIfNew(temporary, target);
    if (!error && !onlyIfNew && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(WriteTarget::folderOf(target));
    return 0;
}

} // namespace

void SafeFile::write(const std::string& path, std::string_view bytes)
{
    write(path, bytes, Options{});
}

void SafeFile::write(const std::string& path, std::string_view bytes, const Options& options)
{
    const std::string target = WriteTarget::resolve(path, options.confinedTo);
    if (const int error = replace(target, bytes, options.onlyIfNew)) throw FileWriteError(path, error);
}

} // namespace kpd
