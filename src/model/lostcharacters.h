#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kpd {

// Texts that held characters without a keypad code when a file was loaded: each such
// character became '?'. The record lasts as long as the text reads as it was loaded, so
// the checks can name what was lost until the user edits the text.
class LostCharacters {
public:
    struct Character {
        // Position of the '?' in the text as the model holds it.
        std::size_t pos = 0;
        char32_t codePoint = 0;
    };
    struct Place {
        std::string setKey;
        std::string menuKey;
        std::string paraKey;
        std::string modeKey;
        bool help = false;
    };

    // A later load of the same text replaces the record.
    void add(const Place& place, std::string loadedText, std::vector<Character> characters);
    // The characters lost from the text at place, while it is still the text that was loaded.
    const std::vector<Character>* find(const Place& place, const std::string& currentText) const;
    bool empty() const { return texts_.empty(); }

    // "U+20AC euro sign": the code point, and the name of the characters that older 8-bit
    // files most often carried.
    static std::string describe(char32_t codePoint);

private:
    struct Lost {
        std::string loadedText;
        std::vector<Character> characters;
    };
    static std::string keyOf(const Place& place);

    std::unordered_map<std::string, Lost> texts_;
};

} // namespace kpd
