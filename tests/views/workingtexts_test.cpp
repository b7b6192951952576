#include "views/workingtexts.h"

#include "model/modelerror.h"

#include <gtest/gtest.h>

namespace {

WorkingTexts loaded()
{
    WorkingTexts texts;
    texts.load({"ref d", "ref h", "cust d", "cust h"}, 1, 2);
    return texts;
}

} // namespace

TEST(WorkingTexts, OnlyAChangedTextSwapsWithItsPreviousAndTheModelsTextIsNoEdit)
{
    WorkingTexts texts = loaded();
    EXPECT_FALSE(texts.swapWithPrevious(EditBox::CustDesc));
    EXPECT_EQ(texts.working(EditBox::CustDesc), "cust d");

    texts.readBack(EditBox::CustDesc, "typed");
    texts.markChanged(EditBox::CustDesc);
    ASSERT_TRUE(texts.swapWithPrevious(EditBox::CustDesc));
    EXPECT_EQ(texts.working(EditBox::CustDesc), "cust d");
    ASSERT_TRUE(texts.swapWithPrevious(EditBox::CustDesc));
    EXPECT_EQ(texts.working(EditBox::CustDesc), "typed");

    texts.replace(EditBox::RefHelp, "from the model");
    EXPECT_FALSE(texts.textChanged(EditBox::RefHelp));
    EXPECT_FALSE(texts.swapWithPrevious(EditBox::RefHelp));
}

TEST(WorkingTexts, LoadingClearsEveryFlagAndNoBoxIsAnError)
{
    WorkingTexts texts = loaded();
    texts.convert(EditBox::RefDesc, [](char c) { return c == ' ' ? '_' : c; });
    texts.toggleUnit(EditPanel::Cust, 2);
    EXPECT_EQ(texts.working(EditBox::RefDesc), "ref_d");
    EXPECT_EQ(texts.previous(EditBox::RefDesc), "ref d");
    EXPECT_EQ(texts.unit(EditPanel::Cust), 0);
    EXPECT_TRUE(texts.anyChange());

    texts.load({"a", "b", "c", "d"}, 0, 3);
    EXPECT_FALSE(texts.anyChange());
    EXPECT_EQ(texts.unit(EditPanel::Cust), 3);
    EXPECT_THROW(texts.working(EditBox::None), kpd::ModelError);
    EXPECT_THROW(texts.readBack(EditBox::None, "x"), kpd::ModelError);
}
