#pragma once

#include "translationfile.h"

#include <string>
#include <string_view>

namespace kpd {

// Reads a gettext PO file: msgctxt as the unit id, msgid and msgstr as source and target,
// the extracted comments as notes, the header's languages. Plural forms have no keypad
// text to go to and are refused; obsolete entries are skipped.
class PoReader {
public:
    // Throws ModelError naming the file and line for anything that is not PO.
    static TranslationFile read(std::string_view bytes, const std::string& name);
};

} // namespace kpd
