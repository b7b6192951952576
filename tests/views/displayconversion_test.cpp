#include "views/displayconversion.h"

#include <gtest/gtest.h>

TEST(DisplayConversion, EscapesBecomeWhatTheKeypadShows)
{
    EXPECT_EQ(displayDescription("A~MB"), "A\r\nB");
    EXPECT_EQ(displayDescription("A~mB"), "A\r\nB");
    EXPECT_EQ(displayDescription("a~~b"), "a~b");
    EXPECT_EQ(displayDescription("~X41"), "A");
    EXPECT_EQ(displayDescription("~x4a!"), "J!");
    EXPECT_EQ(displayDescription("~XZZtail"), " tail") << "the two characters are consumed";
    EXPECT_EQ(displayDescription("~Ab~@c~`d~oe"), " b c d e");
    EXPECT_EQ(displayDescription("~Pq~9r"), " q r") << "escapes outside the letter ranges show a space";
    EXPECT_EQ(displayDescription("plain"), "plain");
}

TEST(DisplayConversion, TruncatedEscapesAtTheEndDoNotFail)
{
    EXPECT_EQ(displayDescription("end~"), "end ");
    EXPECT_EQ(displayDescription("end~X4"), "end ");
    EXPECT_EQ(displayDescription("end~X"), "end ");
    EXPECT_EQ(displayDescription("~"), " ");
    EXPECT_EQ(displayDescription(""), "");
}

TEST(DisplayConversion, LinesBreakWhereTheKeypadBreaksThem)
{
    EXPECT_EQ(inKeypadLines("Reference selectselect option", 16), "Reference select\r\nselect option");
    EXPECT_EQ(inKeypadLines("A\r\nB", 16), "A\r\nB");
    EXPECT_EQ(inKeypadLines("ABCDEFGHIJKLMNOP\r\nX", 16), "ABCDEFGHIJKLMNOP\r\n\r\nX")
        << "a break after a full line is a line of its own";
    EXPECT_EQ(inKeypadLines("AB\r\n", 16), "AB") << "a trailing break opens no line";
    EXPECT_EQ(inKeypadLines("", 16), "");
}
