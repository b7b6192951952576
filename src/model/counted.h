#pragma once

#include <string>
#include <string_view>

namespace kpd {

// A count with its noun, "1 text" or "3 texts": every noun the editor counts takes an "s".
inline std::string counted(long long count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

} // namespace kpd
