#pragma once

#include <cstddef>
#include <string>

namespace kpd {

// Reads a whole file whose size the reader knows a limit of. Only a regular file is read:
// a named pipe would wait for a writer for ever, a device may never end, and a folder has
// no bytes to give. The size is checked before anything is read, and the read stops at the
// limit, so a file that grows meanwhile cannot take more memory than the limit either.
class BoundedFile {
public:
    // Throws FileReadError with the reason: the system's, "is a folder", "is a named pipe,
    // not a regular file" (and so on for the other kinds), or the size and the limit
    // described by limitName ("the largest image").
    static std::string read(const std::string& path, std::size_t maxBytes, const std::string& limitName);

    // 1234567 as "1,234,567", as the size messages show it.
    static std::string grouped(std::size_t number);
};

} // namespace kpd
