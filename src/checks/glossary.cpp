#include "glossary.h"

#include <algorithm>
#include <set>

namespace kpd {

namespace {

bool isWordByte(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
}

bool containsFolded(const std::string& text, std::string_view filter)
{
    const auto same = [](char a, char b) {
        return Glossary::lowered(static_cast<unsigned char>(a)) == Glossary::lowered(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), filter.begin(), filter.end(), same) != text.end();
}

} // namespace

const GlossaryForms* GlossaryTerm::forms(std::string_view language) const
{
    const std::string wanted = Glossary::primaryLanguage(language);
    for (const auto& [code, forms] : languages)
        if (Glossary::primaryLanguage(code) == wanted) return &forms;
    return nullptr;
}

GlossaryForms& GlossaryTerm::formsFor(const std::string& language)
{
    for (auto& [code, forms] : languages)
        if (Glossary::primaryLanguage(code) == Glossary::primaryLanguage(language)) return forms;
    return languages[language];
}

std::vector<std::string> Glossary::languages() const
{
    std::set<std::string> codes;
    for (const GlossaryTerm& term : terms_)
        for (const auto& entry : term.languages) codes.insert(entry.first);
    return {codes.begin(), codes.end()};
}

std::string Glossary::otherLanguage(std::string_view reference) const
{
    const std::string ref = primaryLanguage(reference);
    std::set<std::string> others;
    for (const std::string& code : languages())
        if (primaryLanguage(code) != ref) others.insert(primaryLanguage(code));
    return others.size() == 1 ? *others.begin() : std::string();
}

std::string Glossary::primaryLanguage(std::string_view code)
{
    std::string primary;
    for (char c : code) {
        if (c == '_' || c == '-') break;
        primary += static_cast<char>(lowered(static_cast<unsigned char>(c)));
    }
    return primary;
}

unsigned char Glossary::lowered(unsigned char c)
{
    const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7 && c != 0xD8);
    return capital ? static_cast<unsigned char>(c + 0x20) : c;
}

bool Glossary::matches(const GlossaryTerm& term, std::string_view filter)
{
    if (filter.empty() || containsFolded(term.note, filter)) return true;
    for (const auto& [code, forms] : term.languages) {
        if (containsFolded(forms.full, filter)) return true;
        for (const auto* list : {&forms.shortForms, &forms.synonyms, &forms.forbidden})
            for (const std::string& form : *list)
                if (containsFolded(form, filter)) return true;
    }
    return false;
}

std::size_t Glossary::findWord(const std::string& text, const std::string& form, std::size_t from)
{
    if (form.empty()) return std::string::npos;
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto sameByte = [](char a, char b) {
        return lowered(static_cast<unsigned char>(a)) == lowered(static_cast<unsigned char>(b));
    };
    // The characters of an escape ("~M", "~x41", "~~") stand for codes, not letters: they
    // part words as a space does, and no form starts inside one. Worked out only for a text
    // that holds the form at all: most texts do not hold most terms.
    std::vector<bool> escaped;
    const auto markEscapes = [&] {
        escaped.assign(text.size(), false);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '~') continue;
            const bool hex = i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X');
            const std::size_t end = std::min(text.size(), i + (hex ? 4 : 2));
            std::fill(escaped.begin() + static_cast<std::ptrdiff_t>(i),
                      escaped.begin() + static_cast<std::ptrdiff_t>(end), true);
            i = end - 1;
        }
    };
    const auto partsWords = [&](std::size_t i) { return escaped[i] || !isWordByte(byteAt(i)); };
    for (auto at = text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size()));;) {
        at = std::search(at, text.end(), form.begin(), form.end(), sameByte);
        if (at == text.end()) return std::string::npos;
        const auto pos = static_cast<std::size_t>(at - text.begin());
        ++at;
        if (escaped.empty()) markEscapes();
        const std::size_t end = pos + form.size();
        if (std::any_of(escaped.begin() + static_cast<std::ptrdiff_t>(pos),
                        escaped.begin() + static_cast<std::ptrdiff_t>(end), [](bool e) { return e; }))
            continue;
        const bool startsWord =
            pos == 0 || partsWords(pos - 1) || !isWordByte(static_cast<unsigned char>(form.front()));
        const bool endsWord =
            end == text.size() || partsWords(end) || !isWordByte(static_cast<unsigned char>(form.back()));
        if (startsWord && endsWord) return pos;
    }
}

} // namespace kpd
