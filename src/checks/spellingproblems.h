#pragma once

#include "problem.h"

#include <string>
#include <vector>

namespace kpd {

class SpellChecker;

// The spelling problems of one custom text, and the dictionary's corrections of one as whole
// texts. A correction that would make the text overflow its lines or put a character
// without a keypad glyph into it is no fix for the keypad, and is left out.
//
// Corrections are asked for one problem at a time: the dictionary takes tens of milliseconds
// for each unknown word, and a set checked against the wrong language has thousands.
class SpellingProblems {
public:
    // Corrections offered per word; the dictionary ranks the best first.
    static constexpr std::size_t kMaxFixes = 5;

    // Problems without corrections, the misspelled word's characters in partBegin, partEnd.
    static std::vector<Problem> find(const SpellChecker& speller, const std::string& escaped);
    // The misspelled word of a problem found here, in the model's 8-bit text.
    static std::string word(const Problem& problem);
    // Sets the problem's suggestion and alternatives.
    static void addFixes(const SpellChecker& speller, Problem& problem, int maxHelpChars);
    static bool fits(const std::string& escaped, TextField field, int maxHelpChars);
};

} // namespace kpd
