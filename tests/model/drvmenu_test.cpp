#include "model/drvmenus.h"
#include "model/theapp.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

using namespace kpd;

TEST(DrvMenusAdd, NumbersComeFromTheKeyAndTheTripsMenuIsMapped)
{
    DrvMenus menus;
    DrvMenu& m5 = menus.Add("m5");
    EXPECT_EQ(m5.menuNumber(), 5);
    EXPECT_FALSE(m5.isMapped());
    EXPECT_FALSE(m5.Parameters().isAddExisting());
    EXPECT_EQ(m5.owner(), &menus);

    DrvMenu& trips = menus.Add("trips");
    EXPECT_EQ(trips.menuNumber(), -1);
    EXPECT_TRUE(trips.isMapped());
    EXPECT_TRUE(trips.Parameters().isAddExisting());

    trips.setMenuNumber(7);
    EXPECT_FALSE(trips.Parameters().isAddExisting()) << "the number decides the collection's mode";
}

TEST(DrvMenuLists, ForwardListIsForMappedMenusAndHoldsEachKeyOnce)
{
    DrvMenus menus;
    DrvMenu& trips = menus.Add("trips");
    trips.AddFwdMenu("m1");
    trips.AddFwdMenu("m4");
    trips.AddFwdMenu("m1");
    EXPECT_EQ(trips.nOfFwdMenus(), 2);
    EXPECT_EQ(trips.GetFwdMenu(0), "m1");
    EXPECT_EQ(trips.GetFwdMenu(1), "m4");
    EXPECT_EQ(trips.GetFwdMenu(2), "");
    EXPECT_EQ(trips.GetFwdMenu(-1), "");

    DrvMenu& m1 = menus.Add("m1");
    m1.AddFwdMenu("m4");
    EXPECT_EQ(m1.nOfFwdMenus(), 0);
}

TEST(DrvMenuLists, CloneListKeepsMoreThanTenNumbersInOrder)
{
    DrvMenu menu;
    EXPECT_FALSE(menu.canClone());
    for (std::int16_t n = 1; n <= 11; ++n) menu.AddClone(static_cast<std::int16_t>(n * 2));
    std::int16_t count = 0;
    const std::vector<std::int16_t> list = menu.getCloneMenus(count);
    ASSERT_EQ(count, 11);
    for (std::int16_t i = 0; i < 11; ++i) EXPECT_EQ(list[static_cast<std::size_t>(i)], (i + 1) * 2);
    EXPECT_TRUE(menu.canClone());
}

TEST(DrvMenuBrowse, FallsBackToTheFirstParameterKey)
{
    DrvMenu menu;
    EXPECT_EQ(menu.browseParKey(), "");
    menu.Parameters().Add("p4");
    menu.Parameters().Add("p1");
    EXPECT_EQ(menu.browseParKey(), "p4");
    menu.setBrowseParKey("p1");
    EXPECT_EQ(menu.browseParKey(), "p1");
}

class SmallDriveMenus : public ::testing::Test {
protected:
    void SetUp() override { test::buildSmallDrive(app); }

    ModeData& record(const std::string& set, const std::string& menu, const std::string& para,
                     const std::string& mode = "Servo")
    {
        return app.stringDatas().Item(set).DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    test::RecordingUserInterface ui;
    TheApp app{ui, "/nowhere"};
};

TEST_F(SmallDriveMenus, MenuCountIsTheHighestZeroBasedPosition)
{
    EXPECT_EQ(app.stringDatas().Item("Custom").menuCount(), 3);
}

TEST_F(SmallDriveMenus, CopyParamsCopiesEveryParameterAndMarksTheMenuDirty)
{
    record("English", "m1", "p3").setDesc("Ref p3");
    DrvMenu& custom = app.getCustMenus().Item("m1");
    custom.copyParams(app.getRefMenus().Item("m1"), false);
    EXPECT_EQ(record("Custom", "m1", "p3").getDesc(), "Ref p3");
    EXPECT_TRUE(custom.dirty());
    EXPECT_FALSE(app.getCustMenus().Item("m2").dirty());
}

TEST_F(SmallDriveMenus, MappedMenuCopiesItsForwardMenusFromTheReferenceSet)
{
    record("English", "m1", "p1").setDesc("Ref m1 p1");
    record("English", "m2", "p0").setDesc("Ref m2 p0");
    record("English", "m3", "p1").setDesc("Ref m3 p1");
    record("Custom", "m1", "p1").setHelp("kept?");

    DrvMenu& trips = app.getCustMenus().Item("trips");
    // The argument is not used by a mapped menu: the reference set is the source.
    trips.copyParams(app.getCustMenus().Item("m3"), true);

    EXPECT_EQ(record("Custom", "m1", "p1").getDesc(), "Ref m1 p1") << "whole forward menus, not only trips";
    EXPECT_EQ(record("Custom", "m1", "p1").getHelp(), "") << "user data is always copied";
    EXPECT_EQ(record("Custom", "m2", "p0").getDesc(), "Ref m2 p0");
    EXPECT_EQ(record("Custom", "m3", "p1").getDesc(), "") << "m3 is on no forward list";
    EXPECT_TRUE(app.getCustMenus().Item("m1").dirty());
    EXPECT_TRUE(app.getCustMenus().Item("m2").dirty());
    EXPECT_FALSE(trips.dirty());
}

TEST_F(SmallDriveMenus, MappedMenuClearsItsForwardMenus)
{
    record("Custom", "m1", "p1").setDesc("x");
    record("Custom", "m3", "p1").setDesc("y");
    app.getCustMenus().Item("trips").clearAll();
    EXPECT_EQ(record("Custom", "m1", "p1").getDesc(), "");
    EXPECT_EQ(record("Custom", "m3", "p1").getDesc(), "y");
    EXPECT_TRUE(app.getCustMenus().Item("m2").dirty());
}

TEST_F(SmallDriveMenus, CopyMenusFromTheReferenceBringsTripTextsThroughTheirHomeMenus)
{
    record("English", "m2", "p5").setDesc("Phase loss");
    app.stringDatas().Item("Custom").copyMenus(app.stringDatas().Item("English"), false);
    const Parameter& trip = app.getCustMenus().Item("trips").Parameters().Item("t2");
    EXPECT_EQ(trip.modes().Item("Servo").getDesc(), "Phase loss");
    EXPECT_FALSE(app.getCustMenus().Item("trips").dirty()) << "the trips menu itself is skipped";
    EXPECT_TRUE(app.getCustMenus().Item("m3").dirty());
}

TEST_F(SmallDriveMenus, ModeNamesOfANewSetAreOneEmptyEntry)
{
    stringData set("Spare");
    EXPECT_EQ(set.modeNames(), std::vector<std::string>{""});
    EXPECT_EQ(app.stringDatas().Item("Custom").modeNames(), test::smallDriveModes());
}
