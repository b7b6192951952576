#pragma once

#include "exchangeunit.h"

#include <string>
#include <vector>

namespace kpd {

// What one exported file holds, whatever its format: the units come menu by menu, so that
// the formats that group them can start a group wherever the menu key changes.
struct ExchangeDocument {
    std::string original;
    std::string sourceLanguage;
    std::string targetLanguage;
    std::string generator;
    // "YYYY-MM-DD HH:MM+0000", for the PO header.
    std::string revisionDate;
    int helpLength = 0;
    std::vector<ExchangeUnit> units;

    // The explanation of the escapes, put where a translator reads the file's notes.
    static constexpr const char* kEscapeNote =
        "Line breaks are real line breaks. A keypad code without a character of its own is written "
        "as ~x followed by its two hexadecimal digits (~x80), a tilde as ~~; keep such escapes as "
        "they are. Each escape is one character on the keypad display.";
};

} // namespace kpd
