#pragma once

#include "build/decodedimage.h"

#include <iosfwd>
#include <string>

namespace kpd {

// Prints a decoded image for people: header, menu table, records with their slot
// indices and texts, and the dictionary. Keypad bytes that are no plain characters are
// shown in the editor's escaped form (~M for a line break, ~x10 for code 0x10, ~~).
class ImagePrinter {
public:
    static std::string escaped(const std::string& keypadBytes);
    static void print(const DecodedImage& image, std::ostream& out);
};

} // namespace kpd
