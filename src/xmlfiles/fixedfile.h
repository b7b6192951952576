#pragma once

#include <string>

namespace kpd {

// The drive's fixed files come from a file system that ignores letter case, so their
// names are looked up in the program folder the same way.
class FixedFile {
public:
    // The path of the file in `folder` whose name matches `name` ignoring case; an exact
    // match wins. When there is none, the path the name would have.
    static std::string path(const std::string& folder, const std::string& name);
};

} // namespace kpd
