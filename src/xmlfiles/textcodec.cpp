#include "textcodec.h"

#include <cstdint>
#include <cstring>

namespace kpd {

std::string TextCodec::latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 8);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string TextCodec::utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length == 2 && i + 1 < utf8.size()) {
            const unsigned value = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out += value <= 0xFF ? static_cast<char>(value) : '?';
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

bool TextCodec::isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    auto continuation = [&](std::size_t at) {
        return at < n && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
    };
    while (i < n) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            // Markup is ASCII: step over plain runs eight bytes at a time.
            ++i;
            while (i + 8 <= n) {
                std::uint64_t block;
                std::memcpy(&block, bytes.data() + i, sizeof block);
                if (block & 0x8080808080808080ULL) break;
                i += 8;
            }
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            if (!continuation(i + 1)) return false;
            i += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            if (!continuation(i + 1) || !continuation(i + 2)) return false;
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            // Overlong forms and UTF-16 surrogates are not UTF-8.
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F)) return false;
            i += 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            if (!continuation(i + 1) || !continuation(i + 2) || !continuation(i + 3)) return false;
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

int TextCodec::windows1252CodePoint(unsigned char byte)
{
    static constexpr int high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
}

} // namespace kpd
