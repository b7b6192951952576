#include "model/drvmenus.h"
#include "model/parameters.h"
#include "model/stringdatas.h"

#include <gtest/gtest.h>

using namespace kpd;

namespace {

void addParameters(Parameters& params, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) params.Add(key);
}

std::vector<std::string> keysInOrder(const Parameters& params)
{
    std::vector<std::string> keys;
    for (const Parameter& p : params) keys.push_back(p.paraKey());
    return keys;
}

} // namespace

TEST(KeyedCollectionStepping, NextWrapsFromLastToFirstAndLastWrapsBack)
{
    Parameters params;
    addParameters(params, {"p1", "p2", "p3"});
    params.locate("p3");
    EXPECT_EQ(params.nextPara().paraKey(), "p1");
    params.locate("p1");
    EXPECT_EQ(params.lastPara().paraKey(), "p3");
    EXPECT_EQ(params.lastPara().paraKey(), "p2");
}

TEST(KeyedCollectionStepping, FreshCursorStartsOnTheFirstItem)
{
    Parameters params;
    addParameters(params, {"p1", "p2"});
    EXPECT_EQ(params.nextPara().paraKey(), "p2");
    EXPECT_EQ(params.nextPara().paraKey(), "p1");
}

TEST(KeyedCollectionStepping, LocatingAnAbsentKeyMakesTheNextStepLandOnTheFirst)
{
    Parameters params;
    addParameters(params, {"p1", "p2", "p3"});
    params.locate("p9");
    EXPECT_EQ(params.cursor(), -1);
    EXPECT_EQ(params.nextPara().paraKey(), "p1");
    params.locate("p9");
    EXPECT_EQ(params.lastPara().paraKey(), "p3");
}

TEST(KeyedCollectionStepping, SkipHiddenNeverLandsOnAHiddenMenuAndWraps)
{
    DrvMenus menus;
    menus.Add("m0");
    menus.Add("m1").setHidden(true);
    menus.Add("m2");
    menus.Add("m3").setHidden(true);
    menus.locate("m2");
    EXPECT_EQ(menus.nextMenu(true).menuKey(), "m0");
    EXPECT_EQ(menus.nextMenu(true).menuKey(), "m2");
    EXPECT_EQ(menus.lastMenu(true).menuKey(), "m0");
    EXPECT_EQ(menus.lastMenu(true).menuKey(), "m2");
    menus.locate("m2");
    EXPECT_EQ(menus.nextMenu().menuKey(), "m3") << "without the flag hidden menus are stepped on";
}

TEST(KeyedCollectionStepping, SkipCustNeverReturnsTheCustomSet)
{
    stringDatas sets;
    sets.Add("English");
    sets.Add("Custom").setCustom(true);
    sets.Add("French");
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(sets.nextStrData(true).custom());
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(sets.lastStrData(true).custom());
}

TEST(KeyedCollectionStepping, NothingToStepOnIsAnErrorNotAHang)
{
    DrvMenus empty;
    EXPECT_THROW(empty.nextMenu(), ModelError);

    DrvMenus allHidden;
    allHidden.Add("m1").setHidden(true);
    allHidden.Add("m2").setHidden(true);
    EXPECT_THROW(allHidden.nextMenu(true), ModelError);
    EXPECT_THROW(allHidden.lastMenu(true), ModelError);
}

TEST(KeyedCollectionStepping, CursorLeftPastTheEndByARemovalWrapsBackInRange)
{
    Parameters params;
    addParameters(params, {"p1", "p2", "p3"});
    params.locate("p3");
    params.Remove("p3");
    EXPECT_EQ(params.lastPara().paraKey(), "p2");
    params.locate("p2");
    params.Remove("p2");
    EXPECT_EQ(params.nextPara().paraKey(), "p1");
}

TEST(KeyedCollectionAccess, ItemByKeyAndByOneBasedPosition)
{
    Parameters params;
    addParameters(params, {"p4", "p7"});
    EXPECT_EQ(params.Item(1).paraKey(), "p4");
    EXPECT_EQ(params.Item(2).paraKey(), "p7");
    EXPECT_EQ(&params.Item("p7"), &params.Item(2));
    EXPECT_EQ(params.Count(), 2);
}

TEST(KeyedCollectionAccess, AbsentKeysAndPositionsOutOfRangeAreModelErrors)
{
    Parameters params;
    addParameters(params, {"p1"});
    for (std::int32_t position : {0, 2, -1}) {
        try {
            params.Item(position);
            ADD_FAILURE() << "position " << position;
        } catch (const ModelError& e) {
            EXPECT_EQ(e.code(), ModelError::SubscriptOutOfRange);
        }
    }
    EXPECT_THROW(params.Item("p2"), ModelError);
    EXPECT_THROW(params.Item("P1"), ModelError) << "keys compare case-sensitively";
    EXPECT_THROW(params.Remove("p2"), ModelError);
}

TEST(KeyedCollectionAccess, AddingAKeyTwiceIsAnErrorAndKeepsTheFirstItem)
{
    Parameters params;
    Parameter* first = params.Add("p1");
    try {
        params.Add("p1");
        ADD_FAILURE() << "second Add accepted";
    } catch (const ModelError& e) {
        EXPECT_EQ(e.code(), ModelError::DuplicateKey);
    }
    EXPECT_EQ(params.Count(), 1);
    EXPECT_EQ(&params.Item("p1"), first);
}

TEST(KeyedCollectionAccess, RemovalKeepsOrderAndLookupsOfTheLaterItems)
{
    Parameters params;
    addParameters(params, {"p1", "p2", "p3", "p4"});
    params.Remove("p2");
    params.Remove(1);
    EXPECT_EQ(keysInOrder(params), (std::vector<std::string>{"p3", "p4"}));
    EXPECT_EQ(params.Item("p4").paraKey(), "p4");
    EXPECT_FALSE(params.keyExists("p1"));
    EXPECT_FALSE(params.keyExists("p2"));
    EXPECT_EQ(params.getFirstKey(), "p3");
    params.locate("p4");
    EXPECT_EQ(params.cursor(), 1);
}

TEST(KeyedCollectionAccess, FirstKeyOfAnEmptyCollectionIsTheEmptySpareSlot)
{
    Parameters params;
    EXPECT_EQ(params.getFirstKey(), "");
    EXPECT_EQ(params.keyAt(0), "");
}
