#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The escaped string form in which a keypad text box exchanges its bytes with the host, and
// the lighter conversion of the `convertString` property. Strings hold one 8-bit code per
// character on both sides.
class CEscapedText {
public:
    // The characters of the escaped text that gave one byte, from begin up to end.
    struct Source {
        std::size_t begin;
        std::size_t end;
    };

    static std::string encode(const std::string& bytes);
    // With sources, the place of every byte in the escaped text is recorded there too.
    static std::string decode(const std::string& escaped, std::vector<Source>* sources = nullptr);
    static std::string convertString(const std::string& escaped);
};
