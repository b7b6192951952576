#pragma once

#include "model/lostcharacters.h"

#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// Conversions between the model's 8-bit text (byte xx is U+00xx) and the files' UTF-8.
class TextCodec {
public:
    static std::string latin1ToUtf8(std::string_view latin1);
    // Characters beyond U+00FF have no keypad byte and become '?'; when `lost` is given,
    // each is appended to it with its position in the result. Expects valid UTF-8.
    static std::string utf8ToLatin1(std::string_view utf8, std::vector<LostCharacters::Character>* lost = nullptr);
    // The Unicode code point of a Windows-1252 byte. The five bytes that code page leaves
    // undefined keep their own value, as the platform's own conversion does.
    static int windows1252CodePoint(unsigned char byte);
};

} // namespace kpd
