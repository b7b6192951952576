#include "spellingproblems.h"

#include "glyphscan.h"
#include "keypadtextlayout.h"
#include "spellchecker.h"

#include "keypadtext/cescapedtext.h"

#include <algorithm>

namespace kpd {

bool SpellingProblems::fits(const std::string& escaped, TextField field, int maxHelpChars)
{
    if (field == TextField::Description)
        return KeypadTextLayout::displayLines(escaped) <= KeypadTextLayout::kDescriptionLines;
    return escaped.size() <= static_cast<std::size_t>(std::max(maxHelpChars, 0));
}

std::vector<Problem> SpellingProblems::find(const SpellChecker& speller, const std::string& escaped)
{
    std::vector<Problem> found;
    for (const SpellWords::Word& word : speller.misspelled(escaped)) {
        Problem& problem = found.emplace_back();
        problem.kind = ProblemKind::Spelling;
        problem.message = speller.words().forbids(word.text)
                              ? "\"" + word.text + "\" is forbidden by the drive's word list"
                              : "\"" + word.text + "\" is not in the " + speller.language() + " dictionary";
        problem.checkedText = escaped;
        problem.partBegin = word.begin;
        problem.partEnd = word.end;
    }
    return found;
}

std::string SpellingProblems::word(const Problem& problem)
{
    if (problem.partEnd > problem.checkedText.size() || problem.partBegin >= problem.partEnd) return {};
    return CEscapedText::decode(problem.checkedText.substr(problem.partBegin, problem.partEnd - problem.partBegin));
}

void SpellingProblems::addFixes(const SpellChecker& speller, Problem& problem, int maxHelpChars)
{
    const std::string& escaped = problem.checkedText;
    const std::string misspelled = word(problem);
    if (problem.kind != ProblemKind::Spelling || misspelled.empty()) return;
    std::vector<std::string> fixes;
    for (const std::string& suggestion : speller.suggestions(misspelled)) {
        if (fixes.size() == kMaxFixes) break;
        // Dictionary words hold no escape character, so they go into the text as they are.
        std::string fixed = escaped.substr(0, problem.partBegin) + suggestion + escaped.substr(problem.partEnd);
        if (fits(fixed, problem.field, maxHelpChars) && GlyphScan::scan(suggestion).empty())
            fixes.push_back(std::move(fixed));
    }
    problem.suggestion.reset();
    problem.alternatives.clear();
    if (fixes.empty()) return;
    problem.suggestion = std::move(fixes.front());
    problem.alternatives.assign(std::make_move_iterator(fixes.begin() + 1), std::make_move_iterator(fixes.end()));
}

} // namespace kpd
