#pragma once

#include <string>

namespace kpd {

// Turns the editor's escaped string form into keypad bytes. With placeholder set, codes
// below 32 come out as "_" so the text stays printable (the text export wants that).
std::string decodeEscapes(const std::string& text, bool placeholder);

// The keypad reads 0x00 as the end of a string, 0x0E as a back-reference and 0x0F as a
// dictionary token: such a byte inside a stored text would corrupt the image, so the
// build turns it into a space, as it does with every other escape it cannot use.
std::string blankReservedBytes(std::string text);

} // namespace kpd
