#pragma once

#include "translationfile.h"

#include <string>
#include <string_view>

namespace kpd {

// Reads XLIFF 1.x and 2.x through the project's expat reader. Only what a translation
// brings back is kept: each unit's id, source, target and notes, and the file's languages.
class XliffReader {
public:
    // Throws ModelError naming the file and line for a document that is not well-formed,
    // is no XLIFF, or holds more than one file.
    static TranslationFile read(std::string_view bytes, const std::string& name);
};

} // namespace kpd
