// Prints the keypad glyph table as text so the dot patterns can be checked by eye.
#include "lcdtextbox/lcdglyphs.h"

#include <cstdio>

int main()
{
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
