#include "spellingproblems.h"

#include "glyphscan.h"
#include "keypadtextlayout.h"
#include "spellchecker.h"

#include <algorithm>

namespace kpd {

bool SpellingProblems::fits(const std::string& escaped, TextField field, int maxHelpChars)
{
    if (field == TextField::Description)
        return KeypadTextLayout::displayLines(escaped) <= KeypadTextLayout::kDescriptionLines;
    return escaped.size() <= static_cast<std::size_t>(std::max(maxHelpChars, 0));
}

std::vector<SpellingProblems::Found> SpellingProblems::find(const SpellChecker& speller, const std::string& escaped,
                                                            TextField field, int maxHelpChars)
{
    std::vector<Found> found;
    for (const SpellWords::Word& word : speller.misspelled(escaped)) {
        Found& problem = found.emplace_back();
        problem.message = speller.words().forbids(word.text)
                              ? "\"" + word.text + "\" is forbidden by the drive's word list"
                              : "\"" + word.text + "\" is not in the " + speller.language() + " dictionary";
        for (const std::string& suggestion : speller.suggestions(word.text)) {
            if (problem.fixes.size() == kMaxFixes) break;
            // Dictionary words hold no escape character, so they go into the text as they are.
            std::string fixed = escaped.substr(0, word.begin) + suggestion + escaped.substr(word.end);
            if (fits(fixed, field, maxHelpChars) && GlyphScan::scan(suggestion).empty())
                problem.fixes.push_back(std::move(fixed));
        }
    }
    return found;
}

} // namespace kpd
