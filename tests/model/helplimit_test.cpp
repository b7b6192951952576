#include "model/helplimit.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

TEST(Limits, AHelpTextOf80CharactersFitsTheDefaultLimitAnd81DoesNot)
{
    EXPECT_FALSE(HelpLimit::exceeded(80, 80));
    EXPECT_TRUE(HelpLimit::exceeded(81, 80));
}

TEST(Limits, ANegativeHelpLimitLetsOnlyAnEmptyHelpTextThrough)
{
    EXPECT_FALSE(HelpLimit::exceeded(0, -1));
    EXPECT_TRUE(HelpLimit::exceeded(1, -1));
}

} // namespace
} // namespace kpd
