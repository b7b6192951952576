#pragma once

#include "exchangedocument.h"

#include <string>

namespace kpd {

// XLIFF 1.2: one file for the target language, a group per menu, a trans-unit per text with
// its limits as the standard size attributes and as a translation platform's own flags.
class Xliff12Writer {
public:
    static std::string fileText(const ExchangeDocument& document);
};

} // namespace kpd
