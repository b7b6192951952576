#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kpd {

// The candidate dictionary words in the order they were first seen, with how often each
// occurs. Counts are 32-bit: a word used more than 32,767 times must not wrap.
class WordCounter {
public:
    static constexpr std::size_t kCapacity = 20001;

    // Ignores words shorter than three characters; throws BuildLimitError when a new
    // word would exceed kCapacity distinct words.
    void countWord(std::string_view word);

    std::size_t size() const { return words_.size(); }
    const std::string& word(std::size_t index) const { return words_[index]; }
    std::int32_t count(std::size_t index) const { return counts_[index]; }
    // 0 for a word never counted.
    std::int32_t countOf(std::string_view word) const;

    // The 256 dictionary words: the most frequent first, in the ranking order of the
    // keypad's bubble sort; places beyond the distinct words hold empty words.
    std::vector<std::string> dictionaryWords() const;

private:
    std::vector<std::string> words_;
    std::vector<std::int32_t> counts_;
    // Looked up by view, so counting a word already seen copies nothing.
    struct ViewHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, std::size_t, ViewHash, std::equal_to<>> index_;
};

} // namespace kpd
