#pragma once

#include "exchangeunit.h"

#include <string>

namespace kpd {

// The words every format puts beside a unit, so that a translator reads the same place and
// limit whichever tool shows the file.
class UnitNotes {
public:
    // "Menu m0: Quick setup"
    static std::string menu(const ExchangeUnit& unit);
    // Where the text shows, then its limit.
    static std::string place(const ExchangeUnit& unit);
    static std::string limit(const ExchangeUnit& unit);
    // The limit as firmware projects write it for their translators: "c=16 r=2".
    static std::string cellsAndRows(const ExchangeUnit& unit);
    // "max-length:33, max-lines:2"
    static std::string flags(const ExchangeUnit& unit);
};

} // namespace kpd
