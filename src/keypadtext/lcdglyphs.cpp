#include "lcdglyphs.h"

#include <cstddef>

namespace lcd {

namespace {

struct GlyphSource {
    int code;
    const char* rows[8];
};

// The character generator ROM of the keypad's display (code A02), codes 0x10-0xFF, drawn the
// way the display shows them: '#' a lit dot, '.' background, top row first. Letters and most
// signs sit in the lower seven rows; accents and a few signs use the top row as well. The
// entries are converted from published font data by tools/glyphtable/convert_a02.py; edit
// that script rather than the table.
constexpr GlyphSource sources[] = {
#include "lcdglyphs.inc"
};

constexpr int firstCode = 0x10;
constexpr std::size_t glyphCount = 0x100 - firstCode;
static_assert(std::size(sources) == glyphCount, "every code from 0x10 to 0xFF needs a glyph");

constexpr std::uint8_t packRow(const char* dots)
{
    std::uint8_t bits = 0;
    for (int i = 0; i < 5; ++i) {
        if (dots[i] != '#' && dots[i] != '.') throw "a dot row holds only '#' and '.'";
        bits = static_cast<std::uint8_t>((bits << 1) | (dots[i] == '#' ? 1 : 0));
    }
    if (dots[5] != '\0') throw "a dot row is five dots wide";
    return bits;
}

constexpr std::array<GlyphRows, glyphCount> packTable()
{
    std::array<GlyphRows, glyphCount> table{};
    for (std::size_t i = 0; i < glyphCount; ++i) {
        if (sources[i].code != firstCode + static_cast<int>(i)) throw "glyphs are listed in code order";
        for (std::size_t r = 0; r < 8; ++r) table[i][r] = packRow(sources[i].rows[r]);
    }
    return table;
}

// Packed while compiling, so a malformed row or a code out of order stops the build.
constexpr std::array<GlyphRows, glyphCount> packed = packTable();

} // namespace

GlyphRows glyphRows(std::uint8_t code)
{
    if (code < firstCode) return GlyphRows{};
    return packed[code - firstCode];
}

bool hasGlyph(std::uint8_t code)
{
    return code >= firstCode;
}

} // namespace lcd
