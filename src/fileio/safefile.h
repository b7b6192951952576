#pragma once

#include <string>
#include <string_view>

namespace kpd {

// The one way this project writes a file: whole or not at all. The bytes go to a new file
// in the target's folder, which replaces the target only once every byte is on disk; the
// target keeps its permissions (and, where the system allows, its owner), a symbolic link
// keeps pointing at the file it names, and a write-protected file is refused.
class SafeFile {
public:
    // Throws FileWriteError naming path; the old file is then exactly as it was and no
    // temporary file is left behind.
    static void write(const std::string& path, std::string_view bytes);
};

} // namespace kpd
