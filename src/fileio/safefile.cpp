#include "safefile.h"

#include "filewriteerror.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd {

namespace {

// The kernel gives up on a path after as many links; a loop of links ends the same way.
constexpr int kMaxLinks = 40;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file that path names once the links on its last component are followed. The user
// keeps a link as a name for the real file: replacing the link by a plain file would leave
// the real one stale.
int followLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        if (links == kMaxLinks) return ELOOP;
        std::string named(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), named.data(), named.size());
        if (length < 0) return errno;
        named.resize(static_cast<std::size_t>(length));
        target = named.front() == '/' ? named : folderOf(target) + '/' + named;
    }
}

// A new file beside target that nobody else uses. An existing target's content may be
// private, so the new file starts private too and takes the target's mode once written;
// a new target gets the mode the process's umask gives any new file.
int createBeside(const std::string& target, bool replacing, std::string& temporary, int& fd)
{
    static std::atomic<unsigned> counter{0};
    for (;;) {
        temporary = target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".part";
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

int replace(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (const int error = followLinks(path, target)) return error;

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return errno;
    if (replacing) {
        if (S_ISDIR(old.st_mode)) return EISDIR;
        // A write-protected file stays protected, even where its folder would let us
        // replace it and even for root, whom access() never refuses.
        if ((old.st_mode & S_IWUSR) == 0) return EACCES;
        if (::access(target.c_str(), W_OK) != 0) return errno;
    }

    std::string temporary;
    int fd = -1;
    if (const int error = createBeside(target, replacing, temporary, fd)) return error;
    int error = writeAll(fd, bytes);
    if (!error && replacing) error = takeOverOwnerAndMode(fd, old);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(folderOf(target));
    return 0;
}

} // namespace

void SafeFile::write(const std::string& path, std::string_view bytes)
{
    if (const int error = replace(path, bytes)) throw FileWriteError(path, error);
}

} // namespace kpd
