#pragma once

#include <string>
#include <system_error>

namespace kpd {

// A file that could not be written. The text is what the user reads: the path as the user
// gave it (never a temporary name) and the system's reason.
class FileWriteError : public std::system_error {
public:
    FileWriteError(const std::string& path, int error)
        : std::system_error(error, std::generic_category()),
          message_("Cannot write the file " + path + " : " + code().message())
    {
    }

    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

} // namespace kpd
