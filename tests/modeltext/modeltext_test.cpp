#include "modeltext/modeltext.h"

#include <gtest/gtest.h>

TEST(ModelText, EveryByteIsTheCharacterOfItsOwnValueAndComesBackUnchanged)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const QString shown = toQt(all);
    ASSERT_EQ(shown.size(), 256);
    for (int byte = 0; byte < 256; ++byte) EXPECT_EQ(shown[byte].unicode(), byte) << "byte " << byte;
    EXPECT_EQ(toModel(shown), all);
}

TEST(ModelText, LatinOneTextIsNotReadAsUtf8)
{
    EXPECT_EQ(toQt("Vit\xE9sse"), QStringLiteral(u"Vit\u00E9sse"));
    EXPECT_EQ(toModel(QStringLiteral(u"Vit\u00E9sse")), "Vit\xE9sse");
}

TEST(ModelText, ACharacterWithoutAByteBecomesOneQuestionMark)
{
    EXPECT_EQ(toModel(QStringLiteral(u"a\u20ACb\u0416")), "a?b?");
    EXPECT_EQ(toModel(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y") << "a character outside the 16-bit range";
}
