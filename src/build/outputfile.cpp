#include "outputfile.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace kpd {

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path, int error)
{
    throw std::system_error(error, std::generic_category(), what + " \"" + path + "\"");
}

} // namespace

void OutputFile::write(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) fail("Cannot create", temporary, errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        fail("Cannot write", temporary, error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        fail("Cannot replace", path, error);
    }
}

} // namespace kpd
