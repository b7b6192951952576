#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// The forms one language gives a term. Texts are the model's 8-bit text.
struct GlossaryForms {
    std::string full;
    // Approved short forms, the preferred one first.
    std::vector<std::string> shortForms;
    // Other admitted full forms: they count as the term being translated.
    std::vector<std::string> synonyms;
    std::vector<std::string> forbidden;

    bool empty() const { return full.empty() && shortForms.empty() && synonyms.empty() && forbidden.empty(); }
    bool operator==(const GlossaryForms&) const = default;
};

// One concept of the drive's terminology, in every language the glossary holds.
struct GlossaryTerm {
    // Keyed by the language code as the file writes it ("en", "fr-FR").
    std::map<std::string, GlossaryForms> languages;
    std::string note;

    // The forms of the language whose primary subtag matches, or null.
    const GlossaryForms* forms(std::string_view language) const;
    GlossaryForms& formsFor(const std::string& language);
    bool operator==(const GlossaryTerm&) const = default;
};

// The drive folder's glossary: terms with their full, short and forbidden forms per
// language, which the checks and the overflow quick fix read.
class Glossary {
public:
    static constexpr const char* kFileName = "glossary.tbx";

    std::vector<GlossaryTerm>& terms() { return terms_; }
    const std::vector<GlossaryTerm>& terms() const { return terms_; }
    bool empty() const { return terms_.empty(); }

    // Every language code of the terms, sorted.
    std::vector<std::string> languages() const;

    // The one language of the glossary besides `reference`, which is then the language the
    // custom set is translated into; empty when there is none or more than one.
    std::string otherLanguage(std::string_view reference) const;

    // "en" from "en_US", "en-GB" or "EN": what a glossary language and a dictionary share.
    static std::string primaryLanguage(std::string_view code);

    // A Latin-1 letter in lower case. 0xD7 and 0xD8 are the multiplication sign and a Greek
    // letter on the keypad, not capitals.
    static unsigned char lowered(unsigned char c);

    // Whether a term has any form, in any language, that contains `filter` ignoring case.
    static bool matches(const GlossaryTerm& term, std::string_view filter);

    // Where `form` stands in `text` as a whole word, ignoring case, from `from` on; npos
    // when it does not. Texts are in the escaped form: escapes part words.
    static std::size_t findWord(const std::string& text, const std::string& form, std::size_t from = 0);

private:
    std::vector<GlossaryTerm> terms_;
};

} // namespace kpd
