#pragma once

#include "exchangedocument.h"

#include <string>

namespace kpd {

// XLIFF 2.1 with the size and length restriction module: every unit's limit counted in
// code points.
class Xliff21Writer {
public:
    static std::string fileText(const ExchangeDocument& document);
};

} // namespace kpd
