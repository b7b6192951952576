#include "startededitor.h"

#include "shell/backgroundanalysis.h"
#include "shell/commands/comparecommands.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/panels/cellmarkoverlay.h"
#include "shell/panels/comparewindow.h"

#include "model/theapp.h"

#include <QLabel>
#include <QTreeView>

namespace {

// The custom set the drive folder starts with holds, in menu 1, "Custom ref" / "Help" for
// p1 in Open loop and "Closed" in Closed loop, and "Custom trip" for m2.p0. Their file
// differs in p1's help (a conflict), adds p2's description (theirs alone) and empties the
// trip text (ours alone).
const char* kTheirs = R"(<App AppID="KeypadApp" version="10500">
  <StringDB DBID="Custom">
    <Menu MenuID="m1">
      <Para ParaID="p1">
        <Mode ModeID="Open loop" Unit="4"><Desc>Custom ref</Desc><Help>Their help</Help></Mode>
        <Mode ModeID="Closed loop" Unit="3"><Desc>Closed</Desc><Help/></Mode>
      </Para>
      <Para ParaID="p2">
        <Mode ModeID="Open loop" Unit="1"><Desc>New text</Desc><Help/></Mode>
      </Para>
    </Menu>
    <Menu MenuID="m2">
      <Para ParaID="p0">
        <Mode ModeID="Open loop" Unit="0"><Desc></Desc><Help/></Mode>
      </Para>
    </Menu>
  </StringDB>
</App>
)";

class CompareWindowTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        StartedEditor<>::SetUp();
        folder.write(QStringLiteral("theirs.kpd"), kTheirs);
        compare =
            CompareCommands(window->document(), window.get()).openComparison(folder.file(QStringLiteral("theirs.kpd")));
        ASSERT_NE(compare, nullptr);
        settle();
    }
    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }
    void settle() { ASSERT_TRUE(compare->analysis().waitUntilIdle(10000)); }

    const DifferenceTreeModel& model() const { return compare->model(); }
    QModelIndex find(const QStringList& path) const
    {
        QModelIndex row;
        for (const QString& step : path) {
            QModelIndex next;
            for (int i = 0; i < model().rowCount(row) && !next.isValid(); ++i)
                if (model().index(i, 0, row).data().toString() == step) next = model().index(i, 0, row);
            if (!next.isValid()) return {};
            row = next;
        }
        return row;
    }
    QString count(const QStringList& path) const { return find(path).siblingAtColumn(1).data().toString(); }
    QString topText(int row, int column) const { return model().index(row, column).data().toString(); }
    void select(const QStringList& path)
    {
        const QModelIndex row = find(path);
        ASSERT_TRUE(row.isValid()) << path.join('/').toStdString();
        compare->tree()->setCurrentIndex(row);
    }
    kpd::ModeData& custom(const char* menu, const char* para, const char* mode = "Open loop")
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
    bool dirty(const char* menu) { return window->document().app()->getCustMenus().Item(menu).dirty(); }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
    CompareWindow* compare = nullptr;
};

TEST_F(CompareWindowTest, TheTreeCountsTheDifferencesOfEveryBranch)
{
    ASSERT_EQ(model().rowCount(), 2);
    EXPECT_EQ(topText(0, 0), "m1 Speed");
    EXPECT_EQ(topText(0, 1), "2 (1 conflict)");
    EXPECT_EQ(topText(1, 1), "1");
    EXPECT_EQ(count({"m1 Speed", "p1 Reference", "Open loop", "Help"}), "conflict");
    EXPECT_EQ(count({"m1 Speed", "p2 Maximum"}), "1");
    EXPECT_EQ(count({"m1 Speed", "p2 Maximum", "Open loop", "Description"}), "only theirs");
    EXPECT_EQ(count({"m2 Protection", "p0 Trip store", "Open loop", "Description"}), "only ours");
}

TEST_F(CompareWindowTest, TakingTheirSideOfOneDifferenceChangesOnlyThatTextAndUndoBringsItBack)
{
    select({"m1 Speed", "p1 Reference", "Open loop", "Help"});
    // "Help" against "Their help": each of our four cells differs.
    EXPECT_EQ(compare->ourMarks().cells().size(), 4u);
    compare->takeSelected(kpd::Side::Theirs);

    EXPECT_EQ(custom("m1", "p1").getHelp(), "Their help");
    EXPECT_EQ(custom("m1", "p2").getDesc(), "");
    EXPECT_TRUE(dirty("m1"));
    EXPECT_FALSE(dirty("m2"));
    settle();
    EXPECT_FALSE(find({"m1 Speed", "p1 Reference"}).isValid());
    EXPECT_EQ(topText(0, 0), "m1 Speed *") << "the menu is marked unsaved";
    EXPECT_EQ(custom("m1", "p1").undoH(), "Help");
}

TEST_F(CompareWindowTest, TakingAllNonConflictingLeavesConflictsAndOurOwnTextsAlone)
{
    compare->takeAllNonConflicting();
    settle();
    EXPECT_EQ(custom("m1", "p2").getDesc(), "New text");
    EXPECT_EQ(custom("m1", "p1").getHelp(), "Help");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Custom trip");
    EXPECT_TRUE(dirty("m1"));
    EXPECT_FALSE(dirty("m2"));
    EXPECT_EQ(compare->summary(), "1 change taken from the other file in 1 menu");
    EXPECT_EQ(topText(0, 1), "1 (1 conflict)");
}

TEST_F(CompareWindowTest, KeepingOurSideOfABranchHidesItAndChangesNothing)
{
    select({"m2 Protection"});
    compare->takeSelected(kpd::Side::Ours);
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Custom trip");
    EXPECT_FALSE(window->document().app()->isAppDirty());
    ASSERT_EQ(model().rowCount(), 1);
    EXPECT_EQ(compare->summary(), "0 changes taken from the other file in 0 menus, 1 kept as they were");
}

TEST_F(CompareWindowTest, TheStatusCountsTheDifferencesStillListed)
{
    const QLabel* status = compare->findChild<QLabel*>(QStringLiteral("lblStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), "3 differences");
    for (const auto& [branch, left] : {std::pair{QStringList{"m2 Protection"}, "2 differences"},
                                       std::pair{QStringList{"m1 Speed", "p2 Maximum"}, "1 difference"},
                                       std::pair{QStringList{"m1 Speed"}, "0 differences"}}) {
        select(branch);
        compare->takeSelected(kpd::Side::Ours);
        EXPECT_EQ(status->text(), left);
    }
    EXPECT_EQ(model().rowCount(), 0);
}

TEST_F(CompareWindowTest, MergeOffersTheComparisonFirst)
{
    const QString file = folder.file(QStringLiteral("theirs.kpd"));
    ui.answers.push_back(kpd::MessageAnswer::Cancel);
    EXPECT_FALSE(CompareCommands(window->document(), window.get()).mergeWithoutComparing(file));
    ui.answers.push_back(kpd::MessageAnswer::No);
    EXPECT_TRUE(CompareCommands(window->document(), window.get()).mergeWithoutComparing(file));
    ui.answers.push_back(kpd::MessageAnswer::Yes);
    EXPECT_FALSE(CompareCommands(window->document(), window.get()).mergeWithoutComparing(file));
    EXPECT_EQ(window->findChildren<CompareWindow*>().size(), 2);
    EXPECT_EQ(custom("m1", "p1").getHelp(), "Help") << "nothing was merged";
}

} // namespace
