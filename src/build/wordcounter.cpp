#include "wordcounter.h"

#include "buildlimiterror.h"
#include "countsort.h"
#include "dictionary.h"
#include "keypadwords.h"

namespace kpd {

void WordCounter::countWord(std::string_view word)
{
    if (word.size() < kMinWordLength) return;
    const auto found = index_.find(word);
    if (found != index_.end()) {
        ++counts_[found->second];
        return;
    }
    if (words_.size() >= kCapacity)
        throw BuildLimitError("The strings hold more than " + std::to_string(kCapacity) +
                              " different words of three or more characters; the string database cannot count them.");
    words_.emplace_back(word);
    index_.emplace(words_.back(), words_.size() - 1);
    counts_.push_back(1);
}

std::int32_t WordCounter::countOf(std::string_view word) const
{
    const auto found = index_.find(word);
    return found == index_.end() ? 0 : counts_[found->second];
}

std::vector<std::string> WordCounter::dictionaryWords() const
{
    const std::vector<std::int32_t> ranked = bubbleOrder(counts_);
    std::vector<std::string> result(Dictionary::kSize);
    for (std::size_t i = 0; i < result.size() && i < ranked.size(); ++i)
        result[i] = words_[static_cast<std::size_t>(ranked[i])];
    return result;
}

} // namespace kpd
