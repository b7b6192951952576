#include "spellchecker.h"

#include "glossary.h"

#include <algorithm>

namespace kpd {

SpellChecker::SpellChecker(std::shared_ptr<const SpellDictionary> dictionary, WordList words)
    : dictionary_(std::move(dictionary)), words_(std::move(words))
{
}

bool SpellChecker::isMisspelled(const std::string& word) const
{
    if (words_.forbids(word)) return true;
    if (accepted_.count(word) || words_.accepts(word)) return false;
    return !dictionary_->knows(word);
}

bool SpellChecker::isMisspelled(const SpellWords::Word& word) const
{
    if (!isMisspelled(word.text)) return false;
    if (word.lineBreaks.empty()) return true;
    // Read as the keypad shows it, a part at a line's end or start is a word of its own.
    std::size_t from = 0;
    for (std::size_t to : word.lineBreaks) {
        if (to - from > 1 && isMisspelled(word.text.substr(from, to - from))) return true;
        from = to;
    }
    return word.text.size() - from > 1 && isMisspelled(word.text.substr(from));
}

std::set<std::string> SpellChecker::glossaryWords(const Glossary& glossary, std::string_view language)
{
    // Forbidden forms stay out: the glossary's own check reports them.
    std::set<std::string> words;
    const auto add = [&words](const std::string& form) {
        for (SpellWords::Word& word : SpellWords::cut(form)) words.insert(std::move(word.text));
    };
    for (const GlossaryTerm& term : glossary.terms()) {
        const GlossaryForms* forms = term.forms(language);
        if (!forms) continue;
        add(forms->full);
        for (const auto* list : {&forms->shortForms, &forms->synonyms})
            for (const std::string& form : *list) add(form);
    }
    return words;
}

std::vector<std::string> SpellChecker::suggestions(const std::string& word) const
{
    std::vector<std::string> offered = dictionary_->suggestions(word);
    std::erase_if(offered, [&](const std::string& s) { return s == word || words_.forbids(s); });
    return offered;
}

std::vector<SpellWords::Word> SpellChecker::misspelled(const std::string& escaped) const
{
    std::vector<SpellWords::Word> words = SpellWords::cut(escaped);
    std::erase_if(words, [&](const SpellWords::Word& w) { return !isMisspelled(w); });
    return words;
}

} // namespace kpd
