#pragma once

#include "exchangedocument.h"

#include <string>

namespace kpd {

// A gettext PO file: msgctxt the unit id, msgid the reference text, msgstr the custom text.
// The limit goes both into the flags a translation platform reads and into the extracted
// comment, since tools may drop flags they do not know.
class PoWriter {
public:
    // The extracted comment's first line, "Unit <id>": a tool that drops msgctxt on the way
    // to another format still carries the unit's place.
    static constexpr const char* kUnitPrefix = "Unit ";

    static std::string fileText(const ExchangeDocument& document);
    // The text as a PO string, one quoted line per text line.
    static std::string quoted(const std::string& latin1);
};

} // namespace kpd
