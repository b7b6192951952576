#pragma once

#include <stdexcept>
#include <string>

namespace kpd {

// A data set that the image format cannot hold. The build ends with this text in a
// message titled "ERROR" and writes nothing.
class BuildLimitError : public std::runtime_error {
public:
    explicit BuildLimitError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace kpd
