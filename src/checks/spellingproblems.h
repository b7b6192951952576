#pragma once

#include "problem.h"

#include <string>
#include <vector>

namespace kpd {

class SpellChecker;

// The spelling problems of one custom text, each with the dictionary's corrections as whole
// texts. A correction that would make the text overflow its lines or put a character
// without a keypad glyph into it is no fix for the keypad, and is left out.
class SpellingProblems {
public:
    // Corrections offered per word; the dictionary ranks the best first.
    static constexpr std::size_t kMaxFixes = 5;

    struct Found {
        std::string message;
        std::vector<std::string> fixes;
    };

    static std::vector<Found> find(const SpellChecker& speller, const std::string& escaped, TextField field,
                                   int maxHelpChars);
    static bool fits(const std::string& escaped, TextField field, int maxHelpChars);
};

} // namespace kpd
