#include "model/modelerror.h"
#include "model/numbertext.h"

#include <gtest/gtest.h>

using namespace kpd;

TEST(NumberText, SixteenBitBoundaries)
{
    EXPECT_EQ(readInt16("32767").value, 32767);
    EXPECT_EQ(readInt16("32768").status, NumberStatus::OutOfRange);
    EXPECT_EQ(readInt16("-32768").value, -32768);
    EXPECT_EQ(readInt16("-32769").status, NumberStatus::OutOfRange);
    EXPECT_EQ(readInt16("99999999999999999999999").status, NumberStatus::OutOfRange);
    EXPECT_EQ(readInt32("2147483647").value, 2147483647);
    EXPECT_EQ(readInt32("2147483648").status, NumberStatus::OutOfRange);
}

TEST(NumberText, WhatIsNotANumber)
{
    for (const char* text : {"", " ", "-", "+", "12a", "a12", "1 2", "1.0", "0x10", "--1"})
        EXPECT_EQ(readInt16(text).status, NumberStatus::NotNumber) << '"' << text << '"';
    EXPECT_EQ(readInt16(" +7 ").value, 7);
    EXPECT_EQ(readInt16("007").value, 7);
}

TEST(NumberText, KeysDropTheirFirstCharacter)
{
    EXPECT_EQ(numberOfKey("m12").value, 12);
    EXPECT_EQ(numberOfKey("p08").value, 8);
    EXPECT_EQ(numberOfKey("trips").status, NumberStatus::NotNumber);
    EXPECT_EQ(numberOfKey("m").status, NumberStatus::NotNumber);
    EXPECT_EQ(numberOfKey("").status, NumberStatus::NotNumber);
}

TEST(NumberText, HexDigits)
{
    EXPECT_EQ(hexDigitValue('0'), 0);
    EXPECT_EQ(hexDigitValue('9'), 9);
    EXPECT_EQ(hexDigitValue('a'), 10);
    EXPECT_EQ(hexDigitValue('F'), 15);
    for (char c : {'g', 'G', '/', ':', '@', '`', ' ', '\0'}) EXPECT_EQ(hexDigitValue(c), -1) << int(c);
}
