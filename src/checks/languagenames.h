#pragma once

#include <string>
#include <string_view>

namespace kpd {

// The languages a drive configuration names its string sets after ("French"): the code a
// glossary writes for each and the dictionary most of its users spell with.
class LanguageNames {
public:
    // "fr" for "French", in any case; empty for a name that is no language this knows.
    static std::string code(std::string_view name);
    // "fr_FR" for "French"; empty as for code().
    static std::string usualDictionary(std::string_view name);
};

} // namespace kpd
