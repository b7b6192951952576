#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// The splitter stops at this many words; what follows is neither counted nor substituted.
inline constexpr std::size_t kMaxWordsPerString = 513;

// Words shorter than this are never counted, looked up or replaced by a token.
inline constexpr std::size_t kMinWordLength = 3;

// Separators are the punctuation the keypad texts use between words and every code
// below 16, so unit prefixes and decoded control codes end a word as well.
bool isWordSeparator(char c);

// Calls visit with each maximal run of non-separator characters, in order, at most
// kMaxWordsPerString; the views point into text. Counting words this way allocates nothing.
template <typename Visit>
void forEachWord(std::string_view text, Visit&& visit)
{
    std::size_t pos = 0;
    for (std::size_t words = 0; pos < text.size() && words < kMaxWordsPerString;) {
        while (pos < text.size() && isWordSeparator(text[pos])) ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isWordSeparator(text[pos])) ++pos;
        if (pos > start) {
            visit(text.substr(start, pos - start));
            ++words;
        }
    }
}

// The same words as forEachWord, copied.
std::vector<std::string> splitWords(const std::string& text);

} // namespace kpd
