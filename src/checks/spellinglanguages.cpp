#include "spellinglanguages.h"

#include "languagenames.h"

#include "fileio/boundedfile.h"
#include "fileio/safefile.h"
#include "model/theapp.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace kpd {

namespace {

constexpr std::size_t kMaxLanguagesFileBytes = 64 * 1024;

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string trimmedSetting(std::string_view text)
{
    const std::string_view blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string pathIn(const std::string& folder)
{
    return (std::filesystem::path(folder) / SpellingLanguages::kFileName).string();
}

} // namespace

SpellingLanguages SpellingLanguages::read(const std::string& folder)
{
    std::error_code error;
    if (!std::filesystem::exists(pathIn(folder), error)) return {};
    return parse(BoundedFile::read(pathIn(folder), kMaxLanguagesFileBytes, "spelling languages"));
}

SpellingLanguages SpellingLanguages::parse(std::string_view text)
{
    SpellingLanguages languages;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        const std::size_t equals = line.find('=');
        const std::string content = trimmedSetting(line);
        if (content.empty() || content[0] == '#' || equals == std::string_view::npos) continue;
        languages.choose(trimmedSetting(line.substr(0, equals)), trimmedSetting(line.substr(equals + 1)));
    }
    return languages;
}

std::string SpellingLanguages::fileText() const
{
    std::string text;
    for (const auto& [set, language] : chosen_) text += set + '=' + language + '\n';
    return text;
}

void SpellingLanguages::write(const std::string& folder) const
{
    SafeFile::write(pathIn(folder), fileText());
}

std::string SpellingLanguages::chosen(const std::string& setKey) const
{
    const auto found = chosen_.find(setKey);
    return found == chosen_.end() ? std::string() : found->second;
}

void SpellingLanguages::choose(const std::string& setKey, const std::string& language)
{
    if (setKey.empty()) return;
    if (language.empty())
        chosen_.erase(setKey);
    else
        chosen_[setKey] = language;
}

std::string SpellingLanguages::languageOf(const TheApp& app, const std::string& setKey,
                                          const std::vector<std::string>& offered) const
{
    if (std::string language = chosen(setKey); !language.empty()) return language;
    if (setKey == app.getCustKey() && setKey != app.getRefKey()) return languageOf(app, app.getRefKey(), offered);
    return fromName(setKey, offered);
}

std::string SpellingLanguages::fromName(const std::string& name, const std::vector<std::string>& offered)
{
    const std::string key = lowered(trimmedSetting(name));
    const std::string usual = LanguageNames::usualDictionary(key);
    const std::string wanted = usual.empty() ? key : lowered(usual);
    // An exact dictionary first ("fr_FR"), then any of the same language ("fr", "fr_CA").
    for (const std::string& language : offered)
        if (lowered(language) == wanted) return language;
    const std::string prefix = wanted.substr(0, wanted.find('_'));
    if (prefix.size() < 2) return {};
    for (const std::string& language : offered)
        if (lowered(language).substr(0, lowered(language).find('_')) == prefix) return language;
    return {};
}

} // namespace kpd
