#pragma once

#include <string>
#include <system_error>

namespace kpd {

// A file that could not be written. The text is what the user reads: the path as the user
// gave it (never a temporary name) and the reason, the system's unless the writer refused
// the file for a reason of its own.
class FileWriteError : public std::system_error {
public:
    FileWriteError(const std::string& path, int error)
        : FileWriteError(path, error, std::generic_category().message(error))
    {
    }
    FileWriteError(const std::string& path, int error, const std::string& reason)
        : std::system_error(error, std::generic_category()), path_(path), reason_(reason), message_(text(path, reason))
    {
    }

    // The message for a path in whatever encoding the reader of the message expects.
    static std::string text(const std::string& path, const std::string& reason)
    {
        return "Cannot write the file " + path + " : " + reason;
    }

    const std::string& path() const { return path_; }
    // In the file system's encoding, as the path: a reason may name other files.
    const std::string& reason() const { return reason_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string path_;
    std::string reason_;
    std::string message_;
};

} // namespace kpd
