#include "spelldictionary.h"

#include "xmlfiles/textcodec.h"

#include <hunspell.hxx>

#include <algorithm>
#include <filesystem>
#include <map>

namespace kpd {

namespace {

bool isUtf8(std::string encoding)
{
    std::transform(encoding.begin(), encoding.end(), encoding.begin(), [](unsigned char c) { return std::toupper(c); });
    return encoding == "UTF-8" || encoding == "UTF8";
}

} // namespace

SpellDictionary::SpellDictionary(std::string language, const std::string& aff, const std::string& dic)
    : language_(std::move(language)),
      hunspell_(std::make_unique<Hunspell>(aff.c_str(), dic.c_str())),
      utf8_(isUtf8(hunspell_->get_dict_encoding()))
{
}

SpellDictionary::~SpellDictionary() = default;

std::vector<std::string> SpellDictionary::available(const std::string& folder)
{
    std::vector<std::string> languages;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".dic") continue;
        std::filesystem::path aff = path;
        if (std::filesystem::exists(aff.replace_extension(".aff"), error)) languages.push_back(path.stem().string());
    }
    std::sort(languages.begin(), languages.end());
    return languages;
}

std::shared_ptr<const SpellDictionary> SpellDictionary::open(const std::string& language, const std::string& folder)
{
    // Loading a large dictionary takes a good part of a second: each is loaded once and
    // kept for the process, whichever check or window asks for it.
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const SpellDictionary>> loaded;
    const std::string base = (std::filesystem::path(folder) / language).string();
    std::lock_guard<std::mutex> lock(mutex);
    auto& dictionary = loaded[base];
    if (!dictionary) {
        std::error_code error;
        if (language.empty() || !std::filesystem::exists(base + ".aff", error) ||
            !std::filesystem::exists(base + ".dic", error))
            return nullptr;
        dictionary.reset(new SpellDictionary(language, base + ".aff", base + ".dic"));
    }
    return dictionary;
}

std::string SpellDictionary::toDictionary(const std::string& word) const
{
    return utf8_ ? TextCodec::latin1ToUtf8(word) : word;
}

bool SpellDictionary::knows(const std::string& word) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto known = known_.find(word);
    if (known != known_.end()) return known->second;
    const bool answer = hunspell_->spell(toDictionary(word));
    known_.emplace(word, answer);
    return answer;
}

std::vector<std::string> SpellDictionary::suggestions(const std::string& word) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto known = suggested_.find(word);
    if (known != suggested_.end()) return known->second;
    std::vector<std::string> fitting;
    for (const std::string& suggestion : hunspell_->suggest(toDictionary(word))) {
        if (!utf8_) {
            fitting.push_back(suggestion);
            continue;
        }
        std::vector<LostCharacters::Character> lost;
        std::string latin1 = TextCodec::utf8ToLatin1(suggestion, &lost);
        if (lost.empty()) fitting.push_back(std::move(latin1));
    }
    suggested_.emplace(word, fitting);
    return fitting;
}

} // namespace kpd
