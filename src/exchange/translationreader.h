#pragma once

#include "translationfile.h"

#include <string>
#include <string_view>

namespace kpd {

// Reads a translation file of any of the three formats, told apart by what the file holds:
// translators rename files, and tools save XLIFF under names of their own.
class TranslationReader {
public:
    static constexpr std::size_t kMaxFile = 64u << 20;

    // Throws FileReadError when the file cannot be read, ModelError naming the file and line
    // when it is no translation file or not well-formed.
    static TranslationFile read(const std::string& path);
    static TranslationFile parse(std::string_view bytes, const std::string& name);
};

} // namespace kpd
