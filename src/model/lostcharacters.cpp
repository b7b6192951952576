#include "lostcharacters.h"

#include <cstdio>

namespace kpd {

namespace {

struct NamedCharacter {
    char32_t codePoint;
    const char* name;
};

// The Windows-1252 characters beyond Latin-1: what the byte codes 0x80 to 0x9F of the
// older tools' files stood for.
constexpr NamedCharacter kNames[] = {
    {0x0152, "capital ligature OE"},     {0x0153, "small ligature oe"},
    {0x0160, "capital S with caron"},    {0x0161, "small s with caron"},
    {0x0178, "capital Y with diaeresis"}, {0x017D, "capital Z with caron"},
    {0x017E, "small z with caron"},      {0x0192, "small f with hook"},
    {0x02C6, "modifier circumflex"},     {0x02DC, "small tilde"},
    {0x2013, "en dash"},                 {0x2014, "em dash"},
    {0x2018, "left single quotation mark"}, {0x2019, "right single quotation mark"},
    {0x201A, "low single quotation mark"},  {0x201C, "left double quotation mark"},
    {0x201D, "right double quotation mark"}, {0x201E, "low double quotation mark"},
    {0x2020, "dagger"},                  {0x2021, "double dagger"},
    {0x2022, "bullet"},                  {0x2026, "horizontal ellipsis"},
    {0x2030, "per mille sign"},          {0x2039, "single left-pointing angle quotation mark"},
    {0x203A, "single right-pointing angle quotation mark"}, {0x20AC, "euro sign"},
    {0x2122, "trade mark sign"},
};

} // namespace

void LostCharacters::add(const Place& place, std::string loadedText, std::vector<Character> characters)
{
    texts_[keyOf(place)] = Lost{std::move(loadedText), std::move(characters)};
}

const std::vector<LostCharacters::Character>* LostCharacters::find(const Place& place,
                                                                   const std::string& currentText) const
{
    if (texts_.empty()) return nullptr;
    const auto it = texts_.find(keyOf(place));
    return it != texts_.end() && it->second.loadedText == currentText ? &it->second.characters : nullptr;
}

std::string LostCharacters::describe(char32_t codePoint)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
    for (const NamedCharacter& named : kNames)
        if (named.codePoint == codePoint) return std::string(code) + " " + named.name;
    return code;
}

std::string LostCharacters::keyOf(const Place& place)
{
    // No XML document can put a NUL into a key, so it cannot join two places into one.
    std::string key = place.setKey;
    for (const std::string* part : {&place.menuKey, &place.paraKey, &place.modeKey}) key.append(1, '\0').append(*part);
    return key.append(1, '\0').append(1, place.help ? 'h' : 'd');
}

} // namespace kpd
