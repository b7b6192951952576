#include "model/drvmenus.h"
#include "model/parameters.h"
#include "model/stringdatas.h"

#include <gtest/gtest.h>

using namespace kpd;

namespace {

Parameters threeParameters()
{
    Parameters params;
    params.Add("p1");
    params.Add("p2");
    params.Add("p3");
    return params;
}

} // namespace

TEST(KeyedCollectionStepping, NextWrapsFromLastToFirstAndLastWrapsBack)
{
    Parameters params = threeParameters();
    params.locate("p3");
    EXPECT_EQ(params.nextPara().paraKey(), "p1");
    params.locate("p1");
    EXPECT_EQ(params.lastPara().paraKey(), "p3");
}
