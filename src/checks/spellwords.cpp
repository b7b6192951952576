#include "spellwords.h"

#include "keypadtextlayout.h"

#include "build/keypadwords.h"
#include "keypadtext/cescapedtext.h"
#include "keypadtext/ckeypadtext.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kpd {

namespace {

// The units the drive's texts write after a value; none of them is in a dictionary.
constexpr std::array<std::string_view, 30> kUnits{
    "A",  "mA", "kA", "V",   "mV",  "kV", "W",  "kW",  "MW",  "VA",  "kVA", "Hz",  "kHz",  "rpm", "Nm",
    "ms", "us", "s",  "min", "hrs", "mH", "uH", "ohm", "Ohm", "kWh", "Vac", "Vdc", "degC", "bps", "kbps"};

// Hyphens and apostrophes join the parts of one word ("l'arrêt", "auto-tune"); any other
// sign or digit inside makes the piece a code, a value or a unit, not a word.
bool isWordSign(unsigned char c)
{
    return SpellWords::isLetter(c) || c == '-' || c == '\'';
}

// "PID", "EEPROM": names of things, which no dictionary holds and which a typo rarely hits.
bool isAcronym(const std::string& word)
{
    return std::none_of(word.begin(), word.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 'a' && b <= 'z') || b >= 0xDF;
    });
}

} // namespace

bool SpellWords::isLetter(unsigned char c)
{
    // 0xD7 and 0xD8 are the multiplication sign and a Greek letter on the keypad, 0xF7 divides.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xD8 && c != 0xF7);
}

bool SpellWords::isUnit(const std::string& word)
{
    return std::find(kUnits.begin(), kUnits.end(), word) != kUnits.end();
}

std::vector<SpellWords::Word> SpellWords::cut(const std::string& escaped)
{
    std::vector<CEscapedText::Source> sources;
    const std::string bytes = CEscapedText::decode(escaped, &sources);
    CKeypadText layout;
    layout.setCols(KeypadTextLayout::kDisplayColumns);
    layout.setText(bytes);
    std::vector<std::size_t> lineStarts;
    for (int line = 1; line <= layout.lastLine(); ++line)
        lineStarts.push_back(static_cast<std::size_t>(layout.lineStart(line)));
    std::vector<Word> words;
    forEachWord(bytes, [&](std::string_view piece) {
        auto first = static_cast<std::size_t>(piece.data() - bytes.data());
        std::size_t last = first + piece.size();
        while (first < last && !isLetter(static_cast<unsigned char>(bytes[first]))) ++first;
        while (last > first && !isLetter(static_cast<unsigned char>(bytes[last - 1]))) --last;
        // One letter is an initial, a variable or a unit prefix.
        if (last - first < 2) return;
        Word word{sources[first].begin, sources[last - 1].end, first, last, bytes.substr(first, last - first), {}};
        if (!std::all_of(word.text.begin(), word.text.end(),
                         [](char c) { return isWordSign(static_cast<unsigned char>(c)); }))
            return;
        if (isUnit(word.text) || isAcronym(word.text)) return;
        for (std::size_t start : lineStarts)
            if (start > first && start < last) word.lineBreaks.push_back(start - first);
        words.push_back(std::move(word));
    });
    return words;
}

} // namespace kpd
