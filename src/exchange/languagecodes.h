#pragma once

#include <string>

namespace kpd {

class TheApp;

// The language tags translation files carry for the drive's string sets. The sets are named
// after their language in English ("French"); a set of another name (the custom set) has no
// known language and gets the name itself, lower case.
class LanguageCodes {
public:
    static std::string tagOf(const std::string& setKey);
    // The set a tag names, compared by its primary language ("en-US" names "English");
    // empty when none does.
    static std::string setOf(const TheApp& app, const std::string& tag);
};

} // namespace kpd
