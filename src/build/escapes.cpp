#include "escapes.h"

#include "model/numbertext.h"

namespace kpd {

namespace {

// The digits of a "~X" escape: the two characters after it, or whatever is left of the
// text when it ends sooner. Nothing left is no number.
int readHex(const std::string& digits)
{
    if (digits.empty()) return -1;
    int value = 0;
    for (char c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

bool isControlEscape(unsigned char c) { return (c >= 64 && c <= 79) || (c >= 96 && c <= 111); }

} // namespace

std::string decodeEscapes(const std::string& text, bool placeholder)
{
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t tilde = text.find('~', pos);
        if (tilde == std::string::npos) {
            result.append(text, pos, std::string::npos);
            break;
        }
        result.append(text, pos, tilde - pos);
        // A tilde that ends the text is followed by nothing, which is "any other character".
        const unsigned char next = tilde + 1 < text.size() ? static_cast<unsigned char>(text[tilde + 1]) : 0;
        if (tilde + 1 < text.size() && isControlEscape(next)) {
            result += placeholder ? '_' : static_cast<char>(next & 15);
            pos = tilde + 2;
        } else if (next == 'X' || next == 'x') {
            const int code = readHex(text.substr(tilde + 2, 2));
            if (code < 0)
                result += ' ';
            else if (placeholder && code < 32)
                result += '_';
            else
                result += static_cast<char>(code);
            pos = tilde + 4;
        } else if (next == '~') {
            result += '~';
            pos = tilde + 2;
        } else {
            result += ' ';
            pos = tilde + 2;
        }
    }
    return result;
}

std::string blankReservedBytes(std::string text)
{
    for (char& c : text)
        if (c == 0x00 || c == 0x0E || c == 0x0F) c = ' ';
    return text;
}

} // namespace kpd
