#pragma once

#include "spellchecker.h"
#include "spelldictionary.h"

#include <memory>
#include <string>

namespace kpd {

class TheApp;

// The spelling of one string set of a loaded drive: the language the drive folder gives it
// (or the caller's), that language's dictionary and the drive's word list.
class DriveSpelling {
public:
    std::string setKey;
    std::string language;
    // Nothing when no dictionary of the language is installed.
    std::shared_ptr<SpellChecker> checker;

    // With an empty `language`, the drive folder's setting or the set's default.
    static DriveSpelling of(const TheApp& app, const std::string& setKey, const std::string& language = {},
                            const std::string& dictionaries = SpellDictionary::kSystemFolder);
    static DriveSpelling ofCustomSet(const TheApp& app, const std::string& language = {});

    // Said once for the whole set when there is no checker, instead of a problem per word.
    std::string missingMessage() const;
};

} // namespace kpd
