#pragma once

#include "model/lostcharacters.h"

#include <string>
#include <vector>

namespace kpd {

enum class ExchangeFormat { Xliff12, Xliff21, Po };

// A translation file as read, before its units are matched with the custom set. Texts are
// 8-bit in the exchange form; a character beyond 8 bits is a '?' listed in `lost`.
struct TranslationFile {
    struct Unit {
        std::string id;
        long line = 0;
        std::string source;
        std::string target;
        std::vector<LostCharacters::Character> lost;
        // The unit's notes and comments: the place a tool that dropped the id may keep.
        std::vector<std::string> notes;
    };

    std::string name;
    ExchangeFormat format = ExchangeFormat::Po;
    std::string sourceLanguage;
    std::string targetLanguage;
    std::vector<Unit> units;
};

const char* formatName(ExchangeFormat format);

} // namespace kpd
