#include "keypadtext/cescapedtext.h"

#include <gtest/gtest.h>

TEST(EscapedForm, EncodesEachByteClass)
{
    EXPECT_EQ(CEscapedText::encode("A\rB"), "A~MB");
    EXPECT_EQ(CEscapedText::encode(std::string("\x00\x01\x0f", 3)), "~@~A~O");
    EXPECT_EQ(CEscapedText::encode("\x10\x1f\x7f\xe9\xff"), "~x10~x1f~x7f~xe9~xff");
    EXPECT_EQ(CEscapedText::encode(" }~"), " }~~");
}

TEST(EscapedForm, DecodesEscapes)
{
    EXPECT_EQ(CEscapedText::decode("A~MB"), "A\rB");
    EXPECT_EQ(CEscapedText::decode("~m"), "\r");
    EXPECT_EQ(CEscapedText::decode("~x41~XfF~xe9"), "A\xff\xe9");
    EXPECT_EQ(CEscapedText::decode("~~"), "~");
    EXPECT_EQ(CEscapedText::decode("~q~!"), "  ");
}

TEST(EscapedForm, NonHexCharactersAreSkippedAndOpenEscapesVanish)
{
    EXPECT_EQ(CEscapedText::decode("~xg41"), "A");
    EXPECT_EQ(CEscapedText::decode("a~x4"), "a");
    EXPECT_EQ(CEscapedText::decode("a~x"), "a");
    EXPECT_EQ(CEscapedText::decode("a~"), "a");
}

TEST(EscapedForm, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(CEscapedText::decode(CEscapedText::encode(all)), all);
}

TEST(EscapedForm, ControlCodeNamesReadBackAsTheirCodes)
{
    EXPECT_EQ(CEscapedText::decode("~A~a~@~O~o"), std::string("\x01\x01\x00\x0f\x0f", 5));
    EXPECT_EQ(CEscapedText::decode("~P~p~Z"), "   ");
}

TEST(ConvertString, DecodesOnlyLowerCaseBreaksAndTildes)
{
    EXPECT_EQ(CEscapedText::convertString("a~mb~~c~zd"), "a\rb~c d");
    EXPECT_EQ(CEscapedText::convertString("~x41"), " 41");
    EXPECT_EQ(CEscapedText::convertString("~M"), " ");
}
