#include "atomicfile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kpd {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

// A name beside the target that no other writer of this process picks at the same time.
fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<unsigned long long>(
        fs::file_time_type::clock::now().time_since_epoch().count());
    fs::path temp = target;
    temp += ".tmp" + std::to_string(stamp % 1000000007ULL) + "-" + std::to_string(counter++);
    return temp;
}

} // namespace

bool AtomicFile::write(const std::string& path, std::string_view content, std::string& reason)
{
    std::error_code ec;
    fs::path target(path);
    // Writing through a link replaces what it points at, not the link itself.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    const fs::file_status old = fs::status(target, ec);
    const bool existed = fs::exists(old);
    if (existed && fs::is_directory(old)) {
        reason = systemReason(EISDIR);
        return false;
    }
    // A write-protected file stays protected, even where its folder would let us replace it.
    if (existed && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        reason = systemReason(EACCES);
        return false;
    }

    const fs::path temp = temporaryBeside(target);
    errno = 0;
    std::FILE* file = std::fopen(temp.string().c_str(), "wb");
    if (!file) {
        reason = systemReason(errno ? errno : EIO);
        return false;
    }
    bool ok = content.empty() || std::fwrite(content.data(), 1, content.size(), file) == content.size();
    int error = ok ? 0 : (errno ? errno : EIO);
    if (ok && std::fflush(file) != 0) {
        ok = false;
        error = errno ? errno : EIO;
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = errno ? errno : EIO;
    }
    if (ok && existed) fs::permissions(temp, old.permissions(), ec);
    if (ok) {
        fs::rename(temp, target, ec);
        if (ec) {
            ok = false;
            error = ec.value();
        }
    }
    if (!ok) {
        fs::remove(temp, ec);
        reason = systemReason(error);
    }
    return ok;
}

} // namespace kpd
