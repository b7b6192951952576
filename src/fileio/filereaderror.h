#pragma once

#include <stdexcept>
#include <string>

namespace kpd {

// A file that could not be read, or that is not something a reader should take in. The
// text is the reason alone: the caller names the file the way its user knows it.
class FileReadError : public std::runtime_error {
public:
    explicit FileReadError(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace kpd
