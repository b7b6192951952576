#include "dictionary.h"

#include "keypadwords.h"

namespace kpd {

Dictionary::Dictionary(std::vector<std::string> words) : words_(std::move(words))
{
    words_.resize(kSize);
    for (std::size_t i = 0; i < kSize; ++i) firstIndex_.emplace(words_[i], static_cast<std::uint8_t>(i));
}

std::uint8_t Dictionary::findWord(const std::string& word) const
{
    if (word.size() < kMinWordLength) return 0;
    const auto found = firstIndex_.find(word);
    return found == firstIndex_.end() ? 0 : found->second;
}

} // namespace kpd
