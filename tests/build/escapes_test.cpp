#include "build/escapes.h"
#include "build/keypadwords.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

struct EscapeRow {
    const char* name;
    std::string text;
    std::string keypad;       // placeholder flag off (the build)
    std::string printable;    // placeholder flag on (the export)
};

class DecodeEscapes : public testing::TestWithParam<EscapeRow> {};

TEST_P(DecodeEscapes, GivesTheKeypadBytesAndThePrintableForm)
{
    EXPECT_EQ(decodeEscapes(GetParam().text, false), GetParam().keypad);
    EXPECT_EQ(decodeEscapes(GetParam().text, true), GetParam().printable);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeEscapes,
    testing::Values(
        EscapeRow{"plain", "Motor speed", "Motor speed", "Motor speed"},
        EscapeRow{"capitalA", "~A", std::string(1, '\x01'), "_"},
        EscapeRow{"smallA", "~a", std::string(1, '\x01'), "_"},
        EscapeRow{"lineBreak", "x~My", "x\ry", "x_y"},
        EscapeRow{"atSign", "~@", std::string(1, '\0'), "_"},
        EscapeRow{"backquote", "~`", std::string(1, '\0'), "_"},
        EscapeRow{"capitalO", "~O", "\x0F", "_"},
        EscapeRow{"smallO", "~o", "\x0F", "_"},
        EscapeRow{"capitalPIsNoControl", "~P", " ", " "},
        EscapeRow{"smallPIsNoControl", "~p", " ", " "},
        EscapeRow{"hexLetter", "~X41", "A", "A"},
        EscapeRow{"hexSmall", "~xe9", "\xE9", "\xE9"},
        EscapeRow{"hexControl", "~x0B", "\x0B", "_"},
        EscapeRow{"hexThirtyOneAndThirtyTwo", "~x1F~x20", "\x1F ", "_ "},
        EscapeRow{"hexNotHex", "~XG1rest", " rest", " rest"},
        EscapeRow{"hexNearEndOneDigit", "ab~x4", "ab\x04", "ab_"},
        EscapeRow{"hexAtEnd", "ab~x", "ab ", "ab "},
        EscapeRow{"tildes", "a~~b", "a~b", "a~b"},
        EscapeRow{"exclamation", "~!", " ", " "},
        EscapeRow{"tildeAtEnd", "ab~", "ab ", "ab "},
        EscapeRow{"consumesTwo", "~!x", " x", " x"},
        EscapeRow{"hexConsumesFour", "~x414", "A4", "A4"}),
    [](const testing::TestParamInfo<EscapeRow>& row) { return std::string(row.param.name); });

TEST(ReservedBytes, BecomeSpacesSoTheyCannotEndOrRedirectAString)
{
    EXPECT_EQ(blankReservedBytes(decodeEscapes("AB~@CD", false)), "AB CD");
    EXPECT_EQ(blankReservedBytes(decodeEscapes("~NAB", false)), " AB");
    EXPECT_EQ(blankReservedBytes(decodeEscapes("~O~x0E~x00", false)), "   ");
    EXPECT_EQ(blankReservedBytes(decodeEscapes("~A~M~x10", false)), "\x01\r\x10");
}

TEST(SplitWords, SeparatesAtPunctuationAndControlCodes)
{
    EXPECT_EQ(splitWords("Motor.speed, max;min_x/y"),
              (std::vector<std::string>{"Motor", "speed", "max", "min", "x", "y"}));
    EXPECT_EQ(splitWords("\x0BRPM\rlimit\x0F" "abc"), (std::vector<std::string>{"RPM", "limit", "abc"}));
    EXPECT_EQ(splitWords("a-b:c'd"), (std::vector<std::string>{"a-b:c'd"}));
    EXPECT_TRUE(splitWords(" ..,, ").empty());
    EXPECT_EQ(splitWords("\x10\xE9x"), (std::vector<std::string>{"\x10\xE9x"}));
}

TEST(SplitWords, StopsAtTheFiveHundredThirteenthWord)
{
    std::string text;
    for (int i = 0; i < 600; ++i) text += "w" + std::to_string(i) + " ";
    const std::vector<std::string> words = splitWords(text);
    ASSERT_EQ(words.size(), 513u);
    EXPECT_EQ(words.back(), "w512");
}

} // namespace
} // namespace kpd
