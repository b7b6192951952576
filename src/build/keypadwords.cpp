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
    forEachWord(text, [&words](std::string_view word) { words.emplace_back(word); });
    return words;
}

} // namespace kpd
