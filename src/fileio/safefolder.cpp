#include "safefolder.h"

#include "filewriteerror.h"
#include "folderentries.h"
#include "safefile.h"
#include "writetarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd {

namespace {

using Files = SafeFolder::Files;

bool inSet(const std::string& name, const Files& files)
{
    return std::any_of(files.begin(), files.end(), [&](const auto& file) {
        return file.first == name || WriteTarget::temporaryWriter(name, file.first);
    });
}

// What the old folder held besides the set goes into the new one, and the old set goes.
// Only names of the set are ever removed: a folder still holding anything else stays.
void retire(const std::string& old, const std::string& target, const Files& files)
{
    for (const std::string& name : folderEntries(old)) {
        const std::string from = old + '/' + name;
        if (inSet(name, files))
            ::unlink(from.c_str());
        else
            ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, (target + '/' + name).c_str(), RENAME_NOREPLACE);
    }
    ::rmdir(old.c_str());
}

// The new folder takes the old one's permissions and, where the system allows, its owner.
void takeOverOwnerAndMode(const std::string& folder, const struct stat& old)
{
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        [[maybe_unused]] const int owned = ::chown(folder.c_str(), old.st_uid, old.st_gid);
    }
    ::chmod(folder.c_str(), old.st_mode & 07777);
}

// One rename puts the new folder in place and the old one at the new one's name. Where
// the file system cannot exchange names, the folder is missing for a moment, never mixed.
int exchange(const std::string& fresh, const std::string& target)
{
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    const std::string aside = WriteTarget::temporaryName(target);
    if (::rename(target.c_str(), aside.c_str()) != 0) return errno;
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::rename(aside.c_str(), target.c_str());
        return error;
    }
    return ::rename(aside.c_str(), fresh.c_str()) == 0 ? 0 : errno;
}

// A mount point cannot be renamed, and a folder whose parent we may not change cannot be
// replaced: such a folder gets its files one by one, as any other writer's. So does one
// that the file system will not rename (a folder of an image's lower layer).
bool replaceable(const std::string& target, const struct stat& folder)
{
    const std::string parent = WriteTarget::folderOf(target);
    struct stat above {};
    return ::stat(parent.c_str(), &above) == 0 && above.st_dev == folder.st_dev && ::access(parent.c_str(), W_OK) == 0;
}

} // namespace

void SafeFolder::write(const std::string& folder, const Files& files, const std::string& confinedTo)
{
    std::string named = folder;
    while (named.size() > 1 && named.back() == '/') named.pop_back();
    const std::string shown = named == "/" ? named : named + '/';
    // The folder's own path, free of links and of "." and "..": that is what gets replaced.
    const std::unique_ptr<char, decltype(&std::free)> real(
        ::realpath(WriteTarget::resolve(named, confinedTo).c_str(), nullptr), &std::free);
    if (!real) throw FileWriteError(folder, errno);
    const std::string target = real.get();

    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) throw FileWriteError(folder, errno);
    if (!S_ISDIR(old.st_mode)) throw FileWriteError(folder, ENOTDIR);
    if ((old.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0) throw FileWriteError(folder, EACCES);
    // A write-protected file of the set keeps the whole set, as it keeps a single file.
    for (const auto& [name, bytes] : files) {
        struct stat member {};
        if (::stat((target + '/' + name).c_str(), &member) == 0 && (member.st_mode & S_IWUSR) == 0)
            throw FileWriteError(shown + name, EACCES);
    }
    for (const std::string& leftover : WriteTarget::deadWritersTemporaries(target)) retire(leftover, target, files);

    const auto writeInPlace = [&] {
        for (const auto& [name, bytes] : files) SafeFile::write(shown + name, bytes, {.confinedTo = confinedTo});
    };
    if (!replaceable(target, old)) return writeInPlace();
    const std::string fresh = WriteTarget::temporaryName(target);
    if (::mkdir(fresh.c_str(), 0700) != 0) throw FileWriteError(folder, errno);
    for (const auto& [name, bytes] : files) {
        try {
            SafeFile::write(fresh + '/' + name, bytes);
        } catch (const FileWriteError& error) {
            retire(fresh, target, files);
            throw FileWriteError(shown + name, error.code().value());
        }
    }
    takeOverOwnerAndMode(fresh, old);
    if (const int error = exchange(fresh, target)) {
        retire(fresh, target, files);
        if (error == EXDEV) return writeInPlace();
        throw FileWriteError(folder, error);
    }
    // The folder is durable in its new place before the old set goes.
    if (const int fd = ::open(WriteTarget::folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    retire(fresh, target, files);
}

} // namespace kpd
