#include "languagenames.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kpd {

namespace {

struct NamedLanguage {
    std::string_view name;
    std::string_view code;
    std::string_view dictionary;
};

constexpr std::array<NamedLanguage, 16> kNamedLanguages{{
    {"english", "en", "en_US"},
    {"french", "fr", "fr_FR"},
    {"german", "de", "de_DE"},
    {"italian", "it", "it_IT"},
    {"spanish", "es", "es_ES"},
    {"portuguese", "pt", "pt_PT"},
    {"dutch", "nl", "nl_NL"},
    {"swedish", "sv", "sv_SE"},
    {"danish", "da", "da_DK"},
    {"finnish", "fi", "fi_FI"},
    {"polish", "pl", "pl_PL"},
    {"czech", "cs", "cs_CZ"},
    {"turkish", "tr", "tr_TR"},
    {"norwegian", "nb", "nb_NO"},
    {"russian", "ru", "ru_RU"},
    {"hungarian", "hu", "hu_HU"},
}};

const NamedLanguage* namedLanguage(std::string_view name)
{
    const std::string_view blanks = " \t\r";
    const std::size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos) return nullptr;
    name = name.substr(first, name.find_last_not_of(blanks) - first + 1);
    for (const NamedLanguage& language : kNamedLanguages)
        if (language.name.size() == name.size() &&
            std::equal(name.begin(), name.end(), language.name.begin(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
            return &language;
    return nullptr;
}

} // namespace

std::string LanguageNames::code(std::string_view name)
{
    const NamedLanguage* language = namedLanguage(name);
    return language ? std::string(language->code) : std::string();
}

std::string LanguageNames::usualDictionary(std::string_view name)
{
    const NamedLanguage* language = namedLanguage(name);
    return language ? std::string(language->dictionary) : std::string();
}

} // namespace kpd
