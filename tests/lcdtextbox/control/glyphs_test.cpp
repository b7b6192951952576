#include "lcdtextbox/lcdglyphs.h"

#include <gtest/gtest.h>

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

TEST(Glyphs, CapitalA)
{
    EXPECT_EQ(lcd::glyphRows('A'),
              drawn({".....", ".###.", "#...#", "#...#", "#...#", "#####", "#...#", "#...#"}));
}

TEST(Glyphs, ReturnArrowUsedForLineBreaks)
{
    EXPECT_EQ(lcd::glyphRows(0x17),
              drawn({".....", "....#", "....#", "..#.#", ".#..#", "#####", ".#...", "..#.."}));
}

TEST(Glyphs, BackslashAndTildeWhereTheRomHasThem)
{
    EXPECT_EQ(lcd::glyphRows(0x5C),
              drawn({".....", ".....", "#....", ".#...", "..#..", "...#.", "....#", "....."}));
    EXPECT_EQ(lcd::glyphRows(0x7E),
              drawn({".....", ".....", ".....", ".#...", "#.#.#", "...#.", ".....", "....."}));
}

TEST(Glyphs, CyrillicCapitalZhe)
{
    EXPECT_EQ(lcd::glyphRows(0x82),
              drawn({".....", "#.#.#", "#.#.#", "#.#.#", ".###.", "#.#.#", "#.#.#", "#.#.#"}));
}

TEST(Glyphs, AccentedLetterReachesTheTopRow)
{
    EXPECT_EQ(lcd::glyphRows(0xC9),
              drawn({"...#.", "..#..", "#####", "#....", "####.", "#....", "#....", "#####"}));
    EXPECT_EQ(lcd::glyphRows(0xE9),
              drawn({".....", "...#.", "..#..", ".###.", "#...#", "#####", "#....", ".###."}));
}

TEST(Glyphs, CodesWithoutGlyphAreBlankAndEveryOtherCodeIsDrawn)
{
    for (int code = 0; code < 0x10; ++code) EXPECT_EQ(lcd::glyphRows(static_cast<std::uint8_t>(code)), lcd::GlyphRows{});
    for (int code = 0x21; code <= 0xFF; ++code) {
        if (code == 0xA0) continue; // the no-break space is blank like the space
        const lcd::GlyphRows rows = lcd::glyphRows(static_cast<std::uint8_t>(code));
        EXPECT_NE(rows, lcd::GlyphRows{}) << "code " << code;
        for (std::uint8_t row : rows) EXPECT_LT(row, 0x20) << "code " << code;
    }
}
