#pragma once

#include <algorithm>
#include <cstddef>

namespace kpd {

// A help text longer than the configuration's recommended maximum (recMaxHelpChars) still
// loads, saves and builds; the editor and the checks only warn about it.
class HelpLimit {
public:
    // A negative maximum lets no help text through, as an empty one does.
    static bool exceeded(std::size_t length, int maxChars)
    {
        return length > static_cast<std::size_t>(std::max(maxChars, 0));
    }
};

} // namespace kpd
