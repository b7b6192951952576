#include "languagecodes.h"

#include "model/theapp.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace kpd {

namespace {

constexpr std::pair<const char*, const char*> kTags[] = {
    {"english", "en"}, {"french", "fr"}, {"german", "de"},     {"spanish", "es"}, {"italian", "it"},
    {"dutch", "nl"},   {"polish", "pl"}, {"portuguese", "pt"}, {"swedish", "sv"}, {"danish", "da"},
    {"finnish", "fi"}, {"czech", "cs"},  {"turkish", "tr"},
};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string primary(const std::string& tag)
{
    return lower(tag.substr(0, tag.find_first_of("-_")));
}

} // namespace

std::string LanguageCodes::tagOf(const std::string& setKey)
{
    const std::string name = lower(setKey);
    for (const auto& [language, tag] : kTags)
        if (name == language) return tag;
    return name;
}

std::string LanguageCodes::setOf(const TheApp& app, const std::string& tag)
{
    for (std::int16_t i = 0; i <= app.getLastLangIndex(); ++i) {
        const std::string key = app.getLangDBKey(i);
        if (primary(tagOf(key)) == primary(tag)) return key;
    }
    return {};
}

} // namespace kpd
