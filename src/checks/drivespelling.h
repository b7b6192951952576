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

    // The drive folder's setting for the set, or the set's default; empty when none fits.
    static std::string languageOf(const TheApp& app, const std::string& setKey,
                                  const std::string& dictionaries = SpellDictionary::kSystemFolder);
    // Loads the dictionary and the folder's word list; this takes a while the first time a
    // language is asked for, and touches no model data, so it may run on another thread.
    static DriveSpelling load(const std::string& setKey, const std::string& language, const std::string& folder,
                              const std::string& dictionaries = SpellDictionary::kSystemFolder);
    // With an empty `language`, the drive folder's setting or the set's default.
    static DriveSpelling of(const TheApp& app, const std::string& setKey, const std::string& language = {},
                            const std::string& dictionaries = SpellDictionary::kSystemFolder);
    static DriveSpelling ofCustomSet(const TheApp& app, const std::string& language = {});

    // Said once for the whole set when there is no checker, instead of a problem per word.
    std::string missingMessage() const;
};

} // namespace kpd
