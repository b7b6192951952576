#pragma once

#include "spelldictionary.h"
#include "spellwords.h"
#include "wordlist.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

class Glossary;

// Spelling of a drive's texts in one language: the dictionary, corrected by the drive's word
// list and by the words its caller accepts (the glossary's forms, the words the user chose to
// ignore). The word list wins over the dictionary: a "*" entry forbids a word it knows.
class SpellChecker {
public:
    SpellChecker(std::shared_ptr<const SpellDictionary> dictionary, WordList words);

    // Words taken as spelt right, exactly as written, besides the dictionary and word list.
    void setAccepted(std::set<std::string> words) { accepted_ = std::move(words); }
    const std::set<std::string>& accepted() const { return accepted_; }
    // The words of the glossary's full, short and other admitted forms in the language
    // ("fr" or "fr_FR"): the drive's approved abbreviations.
    static std::set<std::string> glossaryWords(const Glossary& glossary, std::string_view language);
    const WordList& words() const { return words_; }
    const std::string& language() const { return dictionary_->language(); }

    bool isMisspelled(const std::string& word) const;
    bool isMisspelled(const SpellWords::Word& word) const;
    // The dictionary's suggestions, without a forbidden word.
    std::vector<std::string> suggestions(const std::string& word) const;
    // The misspelled words of a text in the escaped form, in text order.
    std::vector<SpellWords::Word> misspelled(const std::string& escaped) const;

private:
    std::shared_ptr<const SpellDictionary> dictionary_;
    WordList words_;
    std::set<std::string> accepted_;
};

} // namespace kpd
