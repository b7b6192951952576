#pragma once

#include <array>
#include <cstdint>

namespace lcd {

// The keypad's 5 × 8 dot glyph of a character code, top row first. Bit 4 of a row is
// the leftmost dot and bit 0 the rightmost; a set bit is a lit dot. Codes below 0x10
// have no glyph and give eight empty rows.
using GlyphRows = std::array<std::uint8_t, 8>;

GlyphRows glyphRows(std::uint8_t code);

// False for the codes the display has no character for: an empty cell shows instead.
bool hasGlyph(std::uint8_t code);

} // namespace lcd
