#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kpd {

// The splitter stops at this many words; what follows is neither counted nor substituted.
inline constexpr std::size_t kMaxWordsPerString = 513;

// Words shorter than this are never counted, looked up or replaced by a token.
inline constexpr std::size_t kMinWordLength = 3;

// Separators are the punctuation the keypad texts use between words and every code
// below 16, so unit prefixes and decoded control codes end a word as well.
bool isWordSeparator(char c);

// The maximal runs of non-separator characters, in order, at most kMaxWordsPerString.
std::vector<std::string> splitWords(const std::string& text);

} // namespace kpd
