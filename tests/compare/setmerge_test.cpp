#include "compare/setcomparison.h"
#include "compare/setmerge.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

class SetMergeTest : public ::testing::Test {
protected:
    SetMergeTest()
    {
        test::buildSmallDrive(app);
        mode("m1", "p1").setDesc("Ours one");
        mode("m1", "p2").setDesc("Ours two");
        mode("m2", "p5").setHelp("Our help");
        app.setAppClean();
    }
    stringData& custom() { return app.stringDatas().Item("Custom"); }
    ModeData& mode(const std::string& menu, const std::string& para, const std::string& modeKey = "Open loop")
    {
        return custom().DrvMenus().Item(menu).Parameters().Item(para).modes().Item(modeKey);
    }
    // Their set: ours with three texts and a unit changed.
    SetSnapshot theirs()
    {
        SetSnapshot snapshot;
        const SetSnapshot ours = SetSnapshot::of(custom());
        for (ModeRecord record : ours.records()) {
            if (record.modeKey == "Open loop") {
                if (record.menuKey == "m1" && record.paraKey == "p1") record.desc = "Theirs one";
                if (record.menuKey == "m1" && record.paraKey == "p2") record.desc = "Theirs two";
                if (record.menuKey == "m2" && record.paraKey == "p5") record.help = "Their help";
                if (record.menuKey == "m2" && record.paraKey == "p0") record.unit = 2;
            }
            snapshot.add(record);
        }
        return snapshot;
    }
    test::RecordingUserInterface ui;
    TheApp app{ui, "."};
};

TEST_F(SetMergeTest, TakingEveryTheirSideLeavesNoDifferenceAndMarksOnlyTheTouchedMenus)
{
    const SetSnapshot their = theirs();
    const std::vector<Difference> diffs = SetComparison::compare(SetSnapshot::of(custom()), their);
    ASSERT_EQ(diffs.size(), 4u);
    SetMerge merge(custom());
    for (const Difference& d : diffs) merge.take(d, Side::Theirs);

    EXPECT_TRUE(SetComparison::compare(SetSnapshot::of(custom()), their).empty());
    EXPECT_EQ(merge.summary().applied, 4);
    EXPECT_EQ(merge.summary().menus, (std::set<std::string>{"m1", "m2"}));
    EXPECT_TRUE(custom().DrvMenus().Item("m1").dirty());
    EXPECT_TRUE(custom().DrvMenus().Item("m2").dirty());
    EXPECT_FALSE(custom().DrvMenus().Item("m3").dirty());
    EXPECT_FALSE(app.stringDatas().Item("English").DrvMenus().Item("m1").dirty());
}

TEST_F(SetMergeTest, OnlyTheAcceptedDifferencesChange)
{
    const std::vector<Difference> diffs = SetComparison::compare(SetSnapshot::of(custom()), theirs());
    SetMerge merge(custom());
    merge.take(diffs[0], Side::Theirs);
    merge.take(diffs[1], Side::Ours);

    EXPECT_EQ(mode("m1", "p1").getDesc(), "Theirs one");
    EXPECT_EQ(mode("m1", "p2").getDesc(), "Ours two");
    EXPECT_EQ(mode("m2", "p5").getHelp(), "Our help");
    EXPECT_EQ(mode("m2", "p0").unit(), 0);
    EXPECT_FALSE(custom().DrvMenus().Item("m2").dirty());
    EXPECT_EQ(merge.summary().kept, 1);
}

TEST_F(SetMergeTest, UndoAfterAMergeBringsEachTextBack)
{
    const std::vector<Difference> diffs = SetComparison::compare(SetSnapshot::of(custom()), theirs());
    SetMerge merge(custom());
    for (const Difference& d : diffs) merge.take(d, Side::Theirs);

    EXPECT_EQ(mode("m1", "p1").undoD(), "Ours one");
    EXPECT_EQ(mode("m1", "p2").undoD(), "Ours two");
    EXPECT_EQ(mode("m2", "p5").undoH(), "Our help");
}

TEST_F(SetMergeTest, TheNonConflictingMergeTakesOnlyWhatTheyAloneChanged)
{
    const SetSnapshot base = SetSnapshot::of(custom());
    mode("m1", "p1").setDesc("Our edit");                       // ours changed, theirs too: conflict
    mode("m2", "p5").setHelp("Their help");                     // changed the same way
    mode("m1", "p3").setDesc("Only we wrote this");              // ours alone
    SetMerge merge(custom());
    merge.takeNonConflicting(SetComparison::compare(SetSnapshot::of(custom()), theirs(), &base));

    EXPECT_EQ(mode("m1", "p1").getDesc(), "Our edit");
    EXPECT_EQ(mode("m1", "p2").getDesc(), "Theirs two");
    EXPECT_EQ(mode("m1", "p3").getDesc(), "Only we wrote this");
    EXPECT_EQ(mode("m2", "p0").unit(), 2);
    EXPECT_EQ(merge.summary().applied, 2);
}

TEST_F(SetMergeTest, AFieldEditedAfterTheComparisonIsNotOverwritten)
{
    const std::vector<Difference> diffs = SetComparison::compare(SetSnapshot::of(custom()), theirs());
    mode("m1", "p1").setDesc("Edited meanwhile");
    SetMerge merge(custom());
    merge.take(diffs[0], Side::Theirs);

    EXPECT_EQ(mode("m1", "p1").getDesc(), "Edited meanwhile");
    EXPECT_EQ(merge.summary().stale, 1);
    EXPECT_EQ(merge.summary().applied, 0);
}

} // namespace
} // namespace kpd
