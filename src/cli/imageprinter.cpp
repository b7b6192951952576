#include "imageprinter.h"

#include <cstdio>
#include <ostream>

namespace kpd {

std::string ImagePrinter::escaped(const std::string& keypadBytes)
{
    std::string text;
    for (char c : keypadBytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x10) {
            text += '~';
            text += static_cast<char>(b + 0x40);
        } else if (b < 0x20 || b >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "~x%x", b);
            text += hex;
        } else if (b == 0x7E) {
            text += "~~";
        } else {
            text += c;
        }
    }
    return text;
}

void ImagePrinter::print(const DecodedImage& image, std::ostream& out)
{
    out << "length " << image.length << "\nmenu table " << image.menuTableSize << " bytes\ndictionary at "
        << image.dictionaryOffset << "\n";
    for (const DecodedMenu& menu : image.menus)
        out << "menu " << int(menu.menuNumber) << " at " << menu.recordOffset << "\n";
    for (const DecodedRecord& record : image.records) {
        out << "record menu " << int(record.menuNumber) << " parameter " << int(record.paraNumber) << " at "
            << record.offset << " length " << record.length << " desc";
        for (std::uint8_t i : record.descIndex) out << ' ' << int(i);
        out << " help";
        for (std::uint8_t i : record.helpIndex) out << ' ' << int(i);
        out << "\n";
        for (std::size_t s = 0; s < kModeSlots; ++s) {
            if (record.descIndex[s]) out << "  slot " << s << " desc \"" << escaped(record.description(s)) << "\"\n";
            if (record.helpIndex[s]) out << "  slot " << s << " help \"" << escaped(record.help(s)) << "\"\n";
        }
    }
    for (std::size_t i = 0; i < image.dictionary.size(); ++i)
        if (!image.dictionary[i].empty()) out << "word " << i << " \"" << escaped(image.dictionary[i]) << "\"\n";
}

} // namespace kpd
