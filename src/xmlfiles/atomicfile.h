#pragma once

#include <string>
#include <string_view>

namespace kpd {

// Replaces a file whole or not at all: the content goes to a new file in the target's
// folder, which is renamed over the target only once every byte is on disk. A failure
// at any point leaves the old file exactly as it was.
class AtomicFile {
public:
    // False on failure, with the system's reason in `reason`.
    static bool write(const std::string& path, std::string_view content, std::string& reason);
};

} // namespace kpd
