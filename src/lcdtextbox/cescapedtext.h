#pragma once

#include <string>

// The escaped string form in which a keypad text box exchanges its bytes with the host, and
// the lighter conversion of the `convertString` property. Strings hold one 8-bit code per
// character on both sides.
class CEscapedText {
public:
    static std::string encode(const std::string& bytes);
    static std::string decode(const std::string& escaped);
    static std::string convertString(const std::string& escaped);
};
