#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kpd {

// The 256 words the image stores once and the strings refer to by a two-byte token.
class Dictionary {
public:
    static constexpr std::size_t kSize = 256;

    Dictionary() : words_(kSize) {}
    explicit Dictionary(std::vector<std::string> words);

    const std::string& word(std::size_t index) const { return words_[index]; }
    const std::vector<std::string>& words() const { return words_; }

    // The index of the first entry equal to word; 0 when there is none or the word is
    // shorter than three characters. Index 0 doubles as "not found", so the most frequent
    // word is stored but never replaced by a token.
    std::uint8_t findWord(const std::string& word) const;

private:
    std::vector<std::string> words_;
    std::unordered_map<std::string, std::uint8_t> firstIndex_;
};

} // namespace kpd
