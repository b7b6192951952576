#pragma once

#include "compare/difference.h"

#include <string>

namespace kpd {

// One text of the custom set as it travels to a translation tool: where it shows, its
// limits, and the reference and custom texts in the exchange form (8-bit codes, line
// breaks as LF, codes without a faithful character as the keypad's escapes).
struct ExchangeUnit {
    std::string id;
    std::string resname;
    std::string menuKey;
    std::string menuName;
    std::string paraKey;
    std::string paraName;
    std::string modeKey;
    Field field = Field::Description;
    std::string source;
    std::string target;
    // The target is neither empty nor the reference text.
    bool translated = false;
    // Characters as translation tools count them; lines and columns only for descriptions.
    int maxLength = 0;
    int maxLines = 0;
    int columns = 0;
};

} // namespace kpd
