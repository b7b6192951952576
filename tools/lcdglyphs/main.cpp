// Prints the keypad glyph table as text so the dot patterns can be checked by eye.
#include "kpdversion.h"
#include "keypadtext/lcdglyphs.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("lcdglyphs %s\n", kpd::kVersion);
        return 0;
    }
    for (int code = 0x10; code <= 0xFF; ++code) {
        std::printf("0x%02X\n", code);
        for (std::uint8_t row : lcd::glyphRows(static_cast<std::uint8_t>(code))) {
            char line[6];
            for (int dot = 0; dot < 5; ++dot) line[dot] = (row & (0x10 >> dot)) ? '#' : '.';
            line[5] = '\0';
            std::puts(line);
        }
    }
    return 0;
}
