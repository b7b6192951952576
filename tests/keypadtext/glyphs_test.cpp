#include "keypadtext/lcdglyphs.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Packs hand-drawn rows ('#' lit) the way the glyph table documents its bits.
lcd::GlyphRows drawn(const char* const (&rows)[8])
{
    lcd::GlyphRows out{};
    for (int r = 0; r < 8; ++r) {
        std::uint8_t bits = 0;
        for (int d = 0; d < 5; ++d)
            if (rows[r][d] == '#') bits |= static_cast<std::uint8_t>(0x10 >> d);
        out[static_cast<std::size_t>(r)] = bits;
    }
    return out;
}

} // namespace

// 32-bit FNV-1a over the rows of codes 0x10-0xFF, top row first. The expected value was
// printed by tools/glyphtable/convert_a02.py --checksum straight from the font file of the
// npm package, so it does not come from the table it checks.
TEST(Glyphs, WholeTableMatchesTheConvertedFontData)
{
    std::uint32_t hash = 0x811C9DC5u;
    for (int code = 0x10; code <= 0xFF; ++code)
        for (std::uint8_t row : lcd::glyphRows(static_cast<std::uint8_t>(code))) hash = (hash ^ row) * 0x01000193u;
    EXPECT_EQ(hash, 0xC37CA092u);
}

TEST(Glyphs, LettersAndDigitsHaveTheRomShapes)
{
    EXPECT_EQ(lcd::glyphRows('A'), // pointed, not flat-topped
              drawn({".....", "..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"}));
    EXPECT_EQ(lcd::glyphRows('7'), // the top bar comes down on the right first
              drawn({".....", "#####", "#...#", "....#", "...#.", "..#..", "..#..", "..#.."}));
    EXPECT_EQ(lcd::glyphRows('g'), // the descender is squeezed into the seven rows
              drawn({".....", ".....", ".....", ".####", "#...#", ".####", "....#", ".###."}));
}

TEST(Glyphs, SignsWhereTheRomHasThem)
{
    EXPECT_EQ(lcd::glyphRows(0x17), // return arrow, drawn for line breaks
              drawn({".....", "....#", "....#", "..#.#", ".#..#", "#####", ".#...", "..#.."}));
    EXPECT_EQ(lcd::glyphRows(0x5C),
              drawn({".....", ".....", "#....", ".#...", "..#..", "...#.", "....#", "....."}));
    EXPECT_EQ(lcd::glyphRows(0x7E),
              drawn({".....", ".....", ".....", ".....", ".##.#", "#..#.", ".....", "....."}));
    EXPECT_EQ(lcd::glyphRows(0x7F), // house
              drawn({".....", "..#..", ".#.#.", "#...#", "#...#", "#...#", "#####", "....."}));
}

TEST(Glyphs, UpperHalfHoldsCyrillicGreekAndLatinOne)
{
    EXPECT_EQ(lcd::glyphRows(0x82), // Ж
              drawn({".....", "#.#.#", "#.#.#", "#.#.#", ".###.", "#.#.#", "#.#.#", "#.#.#"}));
    EXPECT_EQ(lcd::glyphRows(0x9A), // Ω
              drawn({".....", ".....", ".###.", "#...#", "#...#", "#...#", ".#.#.", "##.##"}));
    EXPECT_EQ(lcd::glyphRows(0xDF), // ß
              drawn({".....", "..##.", ".#..#", ".#..#", ".###.", ".#..#", ".#..#", "#.##."}));
}

TEST(Glyphs, AccentsReachTheTopRow)
{
    EXPECT_EQ(lcd::glyphRows(0xC9), // É
              drawn({"...#.", "..#..", ".....", "#####", "#....", "####.", "#....", "#####"}));
    EXPECT_EQ(lcd::glyphRows(0xE9), // é
              drawn({"...#.", "..#..", ".....", ".###.", "#...#", "#####", "#....", ".###."}));
}

TEST(Glyphs, CodesWithoutGlyphAreBlankAndEveryOtherCodeIsDrawn)
{
    for (int code = 0; code < 0x10; ++code) EXPECT_EQ(lcd::glyphRows(static_cast<std::uint8_t>(code)), lcd::GlyphRows{});
    // Unlike ISO 8859-1, the ROM has no second blank: 0xA0 is two solid bars.
    for (int code = 0x21; code <= 0xFF; ++code) {
        const lcd::GlyphRows rows = lcd::glyphRows(static_cast<std::uint8_t>(code));
        EXPECT_NE(rows, lcd::GlyphRows{}) << "code " << code;
        for (std::uint8_t row : rows) EXPECT_LT(row, 0x20) << "code " << code;
    }
}
