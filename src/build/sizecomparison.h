#pragma once

#include "sizereport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// Bytes of one menu or parameter in an earlier report and in this one; a row that only
// one side has counts 0 on the other.
struct SizeChange {
    std::string menuKey;
    std::string paraKey;   // empty for a menu
    std::int64_t before = 0;
    std::int64_t after = 0;
    std::int64_t change() const { return after - before; }
};

// Differences between two size reports, the largest change (growth or shrinkage) first.
class SizeComparison {
public:
    static std::vector<SizeChange> menus(const SizeReport& before, const SizeReport& after);
    static std::vector<SizeChange> parameters(const SizeReport& before, const SizeReport& after);
};

} // namespace kpd
