#include "exchangetext.h"

#include "checks/glyphscan.h"
#include "keypadtext/lcdglyphs.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace kpd {

namespace {

constexpr char kTilde = '~';

std::string hexEscape(unsigned char code)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "~x%02x", static_cast<unsigned>(code));
    return buffer;
}

// How many characters the escape at pos takes, read as the string database build reads it.
std::size_t escapeLength(const std::string& text, std::size_t pos)
{
    const std::size_t rest = text.size() - pos;
    if (rest < 2) return rest;
    const char next = text[pos + 1];
    return next == 'x' || next == 'X' ? std::min<std::size_t>(4, rest) : 2;
}

bool isLineBreakEscape(const std::string& text, std::size_t pos, std::size_t length)
{
    return length == 2 && (text[pos + 1] == 'M' || text[pos + 1] == 'm');
}

} // namespace

bool ExchangeText::showsAsItself(unsigned char code)
{
    // 0x7F and 0x80-0x9F are control characters in every character set a translator uses;
    // the rest is what the no-glyph check finds wrong with the character typed alone.
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> shows{};
        for (int c = 0x20; c < 0x100; ++c)
            shows[c] = c != kTilde && (c < 0x7F || c > 0x9F) && lcd::hasGlyph(static_cast<std::uint8_t>(c)) &&
                       GlyphScan::scan(std::string(1, static_cast<char>(c))).empty();
        return shows;
    }();
    return table[code];
}

std::string ExchangeText::fromModel(const std::string& escaped)
{
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t pos = 0; pos < escaped.size();) {
        const auto code = static_cast<unsigned char>(escaped[pos]);
        if (code != kTilde) {
            out += showsAsItself(code) ? std::string(1, escaped[pos]) : hexEscape(code);
            ++pos;
            continue;
        }
        const std::size_t length = escapeLength(escaped, pos);
        if (isLineBreakEscape(escaped, pos, length))
            out += '\n';
        else
            out.append(escaped, pos, length);
        pos += length;
    }
    return out;
}

ExchangeText::Converted ExchangeText::toModel(const std::string& text,
                                              const std::vector<LostCharacters::Character>& lost)
{
    Converted result;
    auto nextLost = lost.begin();
    for (std::size_t pos = 0; pos < text.size();) {
        const auto code = static_cast<unsigned char>(text[pos]);
        const std::string where = " at character " + std::to_string(pos + 1);
        if (nextLost != lost.end() && nextLost->pos == pos) {
            if (result.refusal.empty())
                result.refusal = LostCharacters::describe(nextLost->codePoint) + " has no keypad glyph" + where;
            ++nextLost;
            ++pos;
        } else if (code == kTilde) {
            const std::size_t length = escapeLength(text, pos);
            result.escaped.append(text, pos, length);
            pos += length;
        } else if (code == '\r' || code == '\n') {
            // A tool that writes CR LF gives one line break, not two.
            const bool crlf = code == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
            result.escaped += "~M";
            pos += crlf ? 2 : 1;
        } else {
            if (!showsAsItself(code) && result.refusal.empty()) {
                char buffer[96];
                std::snprintf(buffer, sizeof buffer,
                              "U+%04X has no glyph of its own on the keypad (write ~x%02x for the code)",
                              static_cast<unsigned>(code), static_cast<unsigned>(code));
                result.refusal = buffer + where;
            }
            result.escaped += static_cast<char>(code);
            ++pos;
        }
    }
    return result;
}

std::string ExchangeText::idPart(const std::string& key)
{
    std::string out;
    for (char c : key) {
        const auto code = static_cast<unsigned char>(c);
        if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') || c == '-') {
            out += c;
        } else {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "_%02X", static_cast<unsigned>(code));
            out += buffer;
        }
    }
    return out;
}

std::string ExchangeText::unitId(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                                 bool help)
{
    return idPart(menuKey) + '.' + idPart(paraKey) + '.' + idPart(modeKey) + (help ? ".help" : ".desc");
}

std::string ExchangeText::resname(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                                  bool help)
{
    return menuKey + '/' + paraKey + '/' + modeKey + (help ? "/help" : "/desc");
}

} // namespace kpd
