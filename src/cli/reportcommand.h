#pragma once

#include "build/sizereport.h"

#include <iosfwd>
#include <string>

namespace kpd {

// Prints a size report as tables for a reader or as JSON for scripts; with an earlier
// report it adds the change per menu and parameter. The exit status follows the other
// commands: 0 the set fits, 1 it is too large, 2 it cannot be built.
class ReportCommand {
public:
    static constexpr std::size_t kTableRows = 20;

    static int print(const SizeReport& report, const SizeReport* before, const std::string& beforeFile, bool json,
                     std::ostream& out);
};

} // namespace kpd
