#include "keypadwords.h"

namespace kpd {

bool isWordSeparator(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code < 16 || c == '.' || c == ' ' || c == ',' || c == ';' || c == '_' || c == '/';
}

std::vector<std::string> splitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size() && words.size() < kMaxWordsPerString) {
        while (pos < text.size() && isWordSeparator(text[pos])) ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isWordSeparator(text[pos])) ++pos;
        if (pos > start) words.emplace_back(text, start, pos - start);
    }
    return words;
}

} // namespace kpd
