#include "writetarget.h"

#include "filewriteerror.h"
#include "folderentries.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd {

namespace {

// The kernel gives up on a path after as many links; a loop of links ends the same way.
constexpr int kMaxLinks = 40;
constexpr std::string_view kTemporaryEnd = ".part";

// The user keeps a link as a name for the real file: replacing the link by a plain file
// would leave the real one stale.
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
        target = named.front() == '/' ? named : WriteTarget::folderOf(target) + '/' + named;
    }
}

std::optional<std::string> realPath(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (!real) return std::nullopt;
    return std::string(real.get());
}

bool liesIn(const std::string& path, const std::string& folder)
{
    if (path.compare(0, folder.size(), folder) != 0) return false;
    return folder.back() == '/' || path.size() == folder.size() || path[folder.size()] == '/';
}

// A process of another user still runs: the system only refuses to signal it.
bool running(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string WriteTarget::folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string WriteTarget::nameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WriteTarget::resolve(const std::string& path, const std::string& confinedTo)
{
    std::string target;
    if (const int error = followLinks(path, target)) throw FileWriteError(path, error);
    if (confinedTo.empty()) return target;
    const std::optional<std::string> folder = realPath(folderOf(target));
    if (!folder) throw FileWriteError(path, errno);
    const std::optional<std::string> allowed = realPath(confinedTo);
    if (!allowed) throw FileWriteError(path, errno);
    const std::string real = (folder->back() == '/' ? *folder : *folder + '/') + nameOf(target);
    if (!liesIn(real, *allowed))
        throw FileWriteError(path, EACCES, "a symbolic link leads it out of the folder " + confinedTo + " (to " + real + ")");
    return real;
}

std::string WriteTarget::temporaryName(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + std::string(kTemporaryEnd);
}

std::optional<pid_t> WriteTarget::temporaryWriter(std::string_view name, std::string_view targetName)
{
    if (name.size() <= targetName.size() + 1 + kTemporaryEnd.size() || name.substr(0, targetName.size()) != targetName ||
        name[targetName.size()] != '.' || name.substr(name.size() - kTemporaryEnd.size()) != kTemporaryEnd)
        return std::nullopt;
    const std::string_view writer =
        name.substr(targetName.size() + 1, name.size() - targetName.size() - 1 - kTemporaryEnd.size());
    const std::size_t dash = writer.find('-');
    if (dash == std::string_view::npos || !allDigits(writer.substr(0, dash)) || !allDigits(writer.substr(dash + 1)))
        return std::nullopt;
    long pid = 0;
    const auto [end, error] = std::from_chars(writer.data(), writer.data() + dash, pid);
    if (error != std::errc() || pid <= 0 || pid > INT_MAX) return std::nullopt;
    return static_cast<pid_t>(pid);
}

std::vector<std::string> WriteTarget::deadWritersTemporaries(const std::string& target)
{
    std::vector<std::string> found;
    const std::string folder = folderOf(target);
    const std::string name = nameOf(target);
    for (const std::string& entry : folderEntries(folder)) {
        const std::optional<pid_t> writer = temporaryWriter(entry, name);
        if (writer && !running(*writer)) found.push_back(folder + '/' + entry);
    }
    return found;
}

} // namespace kpd
