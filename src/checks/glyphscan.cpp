#include "glyphscan.h"

#include "build/escapes.h"
#include "keypadtext/lcdglyphs.h"
#include "model/numbertext.h"

#include <cstdint>
#include <cstdio>

namespace kpd {

namespace {

enum class Token { Plain, Control, Hex, Tilde, Blanked };

bool isControlEscape(unsigned char c) { return (c >= 64 && c <= 79) || (c >= 96 && c <= 111); }

// Splits off the token at pos the way decodeEscapes consumes it; length is what it consumes.
Token tokenAt(const std::string& text, std::size_t pos, std::size_t& length)
{
    const std::size_t rest = text.size() - pos;
    if (text[pos] != '~') {
        length = 1;
        return Token::Plain;
    }
    const unsigned char next = rest > 1 ? static_cast<unsigned char>(text[pos + 1]) : 0;
    if (rest > 1 && isControlEscape(next)) {
        length = 2;
        return Token::Control;
    }
    if (next == 'X' || next == 'x') {
        length = std::min<std::size_t>(4, rest);
        const std::string digits = text.substr(pos + 2, 2);
        bool hex = !digits.empty();
        for (char c : digits) hex = hex && hexDigitValue(c) >= 0;
        return hex ? Token::Hex : Token::Blanked;
    }
    length = std::min<std::size_t>(2, rest);
    return next == '~' ? Token::Tilde : Token::Blanked;
}

std::string hexByte(std::uint8_t b)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", static_cast<unsigned>(b));
    return buffer;
}

// Latin-1 characters typed as themselves whose code the display shows as another glyph
// (its ROM has Cyrillic and Greek letters and signs there): how the character is called
// where it cannot be seen, the glyph the keypad shows, and the nearest character it has.
struct StandIn {
    std::uint8_t code;
    const char* invisible;
    const char* glyph;
    const char* suggestion;
};

constexpr StandIn kStandIns[] = {
    {0xA0, "No-break space", "two solid bars", " "},
    {0xA8, nullptr, "a small f with hook", "\""},
    {0xAC, nullptr, "the Cyrillic capital letter Yu", "-"},
    {0xAD, "Soft hyphen", "the Cyrillic capital letter Ya", "-"},
    {0xAF, nullptr, "a left single quotation mark", "-"},
    {0xB4, nullptr, "a Pt sign", "'"},
    {0xB8, nullptr, "the Greek small letter omega", ","},
    {0xD8, nullptr, "the Greek capital letter Phi", "O"},
};

const StandIn* standInFor(std::uint8_t b)
{
    for (const StandIn& standIn : kStandIns)
        if (standIn.code == b) return &standIn;
    return nullptr;
}

// "\"Ø\" (0xD8) shows as the Greek capital letter Phi": what was typed and what the keypad shows.
std::string standInMessage(const StandIn& standIn)
{
    const std::string typed =
        standIn.invisible ? standIn.invisible : "\"" + std::string(1, static_cast<char>(standIn.code)) + "\"";
    return typed + " (" + hexByte(standIn.code) + ") shows as " + standIn.glyph;
}

bool isLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

} // namespace

std::vector<GlyphScan::Fault> GlyphScan::scan(const std::string& escaped)
{
    std::vector<Fault> faults;
    std::uint8_t previous = 0;
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < escaped.size(); pos += length) {
        const Token token = tokenAt(escaped, pos, length);
        const std::string piece = escaped.substr(pos, length);
        const std::string bytes = decodeEscapes(piece, false);
        const auto b = static_cast<std::uint8_t>(bytes.empty() ? 0 : bytes[0]);
        const std::string where = " at character " + std::to_string(pos + 1);
        if (token == Token::Blanked) {
            // Showing the space it becomes anyway keeps the display as it is and ends the doubt.
            faults.push_back({pos, length, "Escape \"" + piece + "\" becomes a space" + where, std::string(" ")});
        } else if (!lcd::hasGlyph(b) && b != 0x0D) {
            std::optional<std::string> suggestion;
            if (b == 0x00 || b == 0x0E || b == 0x0F || b == 0x09)
                suggestion = " ";
            else if (b == 0x0A)
                suggestion = previous == 0x0D ? "" : "~M";
            faults.push_back({pos, length, "Byte " + hexByte(b) + " has no glyph" + where, suggestion});
        } else if (token == Token::Plain) {
            if (const StandIn* standIn = standInFor(b))
                faults.push_back({pos, length, standInMessage(*standIn) + where, std::string(standIn->suggestion)});
            else if (b == '?' && pos > 0 && pos + 1 < escaped.size()
                     && isLetter(static_cast<unsigned char>(escaped[pos - 1]))
                     && isLetter(static_cast<unsigned char>(escaped[pos + 1])))
                faults.push_back({pos, length, "\"?\" inside a word: a character lost on loading" + where, std::nullopt});
        }
        previous = b;
    }
    return faults;
}

std::string GlyphScan::applySuggestions(const std::string& escaped)
{
    std::string result;
    std::size_t done = 0;
    for (const Fault& fault : scan(escaped)) {
        if (!fault.suggestion) continue;
        result.append(escaped, done, fault.pos - done);
        result += *fault.suggestion;
        done = fault.pos + fault.length;
    }
    result.append(escaped, done, std::string::npos);
    return result;
}

} // namespace kpd
