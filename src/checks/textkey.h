#pragma once

#include "problem.h"

#include <compare>
#include <string>

namespace kpd {

// Where one text of the custom set lives: parameter, mode and field. It names a text
// across saves and loads, where row numbers and pointers do not.
struct TextKey {
    std::string menuKey;
    std::string paraKey;
    std::string modeKey;
    TextField field = TextField::Description;
    auto operator<=>(const TextKey&) const = default;
};

} // namespace kpd
