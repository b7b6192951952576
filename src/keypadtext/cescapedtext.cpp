#include "cescapedtext.h"

#include <cstdio>

namespace {

constexpr char tilde = '~';
constexpr char lineBreak = 0x0D;

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "~@" to "~O" and "~`" to "~o" name the codes 0 to 15, the same way the string database
// build reads them, so the control's own "~A" for byte 0x01 reads back as 0x01.
bool namesControlCode(unsigned char c)
{
    return (c >= 0x40 && c <= 0x4F) || (c >= 0x60 && c <= 0x6F);
}

} // namespace

std::string CEscapedText::encode(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x10) {
            out.push_back(tilde);
            out.push_back(static_cast<char>(b + 0x40));
        } else if (b < 0x20 || b >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "~x%x", static_cast<unsigned>(b));
            out += hex;
        } else if (b == 0x7E) {
            out += "~~";
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

std::string CEscapedText::decode(const std::string& escaped, std::vector<Source>* sources)
{
    std::string out;
    const std::size_t n = escaped.size();
    std::size_t i = 0;
    std::size_t begin = 0;
    const auto emit = [&](char byte) {
        out.push_back(byte);
        if (sources) sources->push_back({begin, i});
    };
    while (i < n) {
        begin = i;
        const char c = escaped[i++];
        if (c != tilde) {
            emit(c);
            continue;
        }
        if (i >= n) break;
        const auto next = static_cast<unsigned char>(escaped[i++]);
        if (next == 'x' || next == 'X') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && i < n) {
                const int d = hexValue(escaped[i++]);
                if (d < 0) continue;
                value = value * 16 + d;
                ++digits;
            }
            if (digits == 2) emit(static_cast<char>(value));
        } else if (next == tilde) {
            emit(tilde);
        } else if (namesControlCode(next)) {
            emit(static_cast<char>(next & 0x0F));
        } else {
            emit(' ');
        }
    }
    return out;
}

std::string CEscapedText::convertString(const std::string& escaped)
{
    std::string out;
    const std::size_t n = escaped.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = escaped[i++];
        if (c != tilde) {
            out.push_back(c);
            continue;
        }
        if (i >= n) break;
        const char next = escaped[i++];
        if (next == 'm')
            out.push_back(lineBreak);
        else if (next == tilde)
            out.push_back(tilde);
        else
            out.push_back(' ');
    }
    return out;
}
