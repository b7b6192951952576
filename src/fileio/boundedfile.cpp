#include "boundedfile.h"

#include "filereaderror.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kpd {

namespace {

[[noreturn]] void failWith(int error)
{
    throw FileReadError(std::generic_category().message(error));
}

void requireRegular(const struct stat& st)
{
    if (S_ISREG(st.st_mode)) return;
    if (S_ISDIR(st.st_mode)) throw FileReadError("is a folder, not a file");
    const char* kind = S_ISFIFO(st.st_mode)                          ? "a named pipe"
                       : S_ISSOCK(st.st_mode)                        ? "a socket"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                     : "a special file";
    throw FileReadError(std::string("is ") + kind + ", not a regular file");
}

[[noreturn]] void failTooLarge(std::size_t size, const std::string& limitName)
{
    throw FileReadError("holds " + BoundedFile::grouped(size) + " bytes, more than " + limitName);
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(fd_); }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string BoundedFile::read(const std::string& path, std::size_t maxBytes, const std::string& limitName)
{
    // The kind is known before the file is opened: opening a device can already act on it.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) failWith(errno);
    requireRegular(st);
    if (static_cast<std::size_t>(st.st_size) > maxBytes) failTooLarge(static_cast<std::size_t>(st.st_size), limitName);

    // Not blocking, in case the name was replaced by a pipe since: the check below then
    // refuses it instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) failWith(errno);
    const Descriptor file(fd);
    if (::fstat(fd, &st) != 0) failWith(errno);
    requireRegular(st);

    std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) failTooLarge(got, limitName);
            bytes.resize(std::min(2 * bytes.size(), maxBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failWith(errno);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) failTooLarge(got, limitName);
    bytes.resize(got);
    return bytes;
}

std::string BoundedFile::grouped(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

} // namespace kpd
