#include "menudialogsfixture.h"

#include "views/clonemenu.h"
#include "views/clonemenurun.h"
#include "views/dialogarrow.h"
#include "views/menuview.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kWarningLine = QStringLiteral("\nWARNING: this cannot be undone - click Cancel to backout");

class CloneMenuTest : public MenuDialogsTest {
protected:
    void SetUp() override
    {
        MenuDialogsTest::SetUp();
        record("m1", "p1", "Servo").setDesc("Source p1");
        record("m1", "p3", "Open loop").setHelp("Source help");
        for (const char* menu : {"m4", "m5", "m6"}) record(menu, "p1", "Servo").setDesc(std::string("Old ") + menu);
        app.setAppClean();
        dialog.setData(app.getCustMenus(), "m1");
    }

    void select(std::initializer_list<int> rows)
    {
        for (int row : rows) dialog.lstClones()->item(row)->setSelected(true);
    }

    CloneMenu dialog{ui};
};

} // namespace

TEST_F(CloneMenuTest, ListsTheCloneTargetsOfTheSourceMenu)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Clone menu to another menu"));
    EXPECT_EQ(dialog.txtSourceName()->text(), QStringLiteral("Menu m1"));
    ASSERT_EQ(dialog.lstClones()->count(), 3);
    EXPECT_EQ(dialog.lstClones()->item(0)->text(), QStringLiteral("Menu 4"));
    EXPECT_EQ(dialog.lstClones()->item(2)->text(), QStringLiteral("Menu 6"));
    EXPECT_EQ(dialog.lstClones()->item(2)->toolTip(), QStringLiteral("m6 Menu m6"));
    EXPECT_FALSE(dialog.OKButton()->isEnabled());
    EXPECT_FALSE(dialog.arrow()->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Select the destination menu(s) from the list."));
}

TEST_F(CloneMenuTest, HintFollowsTheNumberOfSelectedMenus)
{
    select({1});
    EXPECT_TRUE(dialog.OKButton()->isEnabled());
    EXPECT_TRUE(dialog.arrow()->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.Hint()->text(),
              QStringLiteral("Click OK to clone the source menu to the one selected") + kWarningLine);
    select({2});
    EXPECT_EQ(dialog.Hint()->text(),
              QStringLiteral("Click OK to clone the source menu to those selected") + kWarningLine);
    dialog.lstClones()->clearSelection();
    EXPECT_FALSE(dialog.OKButton()->isEnabled());
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Select the destination menu(s) from the list."));
}

TEST_F(CloneMenuTest, SecondAndThirdOfThreeAreClonedAndNotTheFirst)
{
    select({1, 2});
    dialog.OKButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("cloning the selected menus"));
    for (const char* menu : {"m5", "m6"}) {
        EXPECT_EQ(record(menu, "p1", "Servo").getDesc(), "Source p1") << menu;
        EXPECT_EQ(record(menu, "p3", "Open loop").getHelp(), "Source help") << menu;
        EXPECT_TRUE(custom(menu).dirty()) << menu;
    }
    EXPECT_EQ(record("m4", "p1", "Servo").getDesc(), "Old m4");
    EXPECT_FALSE(custom("m4").dirty());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(backup("m5"))));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(backup("m6"))));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(backup("m4"))));
}

TEST_F(CloneMenuTest, TheBackupBringsTheOverwrittenMenuBack)
{
    select({1});
    dialog.OKButton()->click();
    ASSERT_EQ(record("m5", "p1", "Servo").getDesc(), "Source p1");
    ASSERT_TRUE(app.loadUserFile(backup("m5"), 5));
    EXPECT_EQ(record("m5", "p1", "Servo").getDesc(), "Old m5");
    EXPECT_EQ(record("m5", "p3", "Open loop").getHelp(), "");
}

TEST_F(CloneMenuTest, OneSelectedEntryIsTheDestinationEvenWhenAnotherIsCurrent)
{
    select({2});
    dialog.lstClones()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ASSERT_EQ(dialog.lstClones()->currentRow(), 0);
    ASSERT_FALSE(dialog.lstClones()->item(0)->isSelected());
    dialog.okClicked();
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Cloning the menu"));
    EXPECT_EQ(record("m6", "p1", "Servo").getDesc(), "Source p1");
    EXPECT_EQ(record("m4", "p1", "Servo").getDesc(), "Old m4");
}

TEST_F(CloneMenuTest, OkWithNothingSelectedKeepsTheDialogOpen)
{
    dialog.show();
    dialog.okClicked();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Select the destination menu(s) from the list."));
    EXPECT_FALSE(app.isAppDirty());
}

TEST_F(CloneMenuTest, CancelChangesNothing)
{
    select({0, 1, 2});
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(app.isAppDirty());
    EXPECT_EQ(record("m4", "p1", "Servo").getDesc(), "Old m4");
}

TEST_F(CloneMenuTest, ADestinationOfAnotherLayoutStopsTheWholeClone)
{
    for (const char* set : {"English", "Custom"}) {
        kpd::DrvMenu& menu = app.stringDatas().Item(set).DrvMenus().Item("m6");
        menu.Parameters().Add("p9");
        menu.buildModes("p9");
    }
    dialog.show();
    select({1, 2});
    dialog.okClicked();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_EQ(ui.messages[0].text, "Menu 6 has parameters that the source menu does not have - nothing was cloned");
    EXPECT_EQ(record("m5", "p1", "Servo").getDesc(), "Old m5");
    EXPECT_FALSE(app.isAppDirty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(backup("m5"))));
}

TEST_F(CloneMenuTest, AMissingDestinationMenuIsRefused)
{
    for (const char* set : {"English", "Custom"}) app.stringDatas().Item(set).DrvMenus().Item("m1").AddClone(9);
    dialog.setData(app.getCustMenus(), "m1");
    ASSERT_EQ(dialog.lstClones()->count(), 4);
    select({3});
    dialog.okClicked();
    ASSERT_EQ(ui.texts(), (std::vector<std::string>{"Menu 9 does not exist - nothing was cloned"}));
    EXPECT_FALSE(app.isAppDirty());
}

TEST_F(CloneMenuTest, ADestinationWhoseBackupFailsIsNotOverwritten)
{
    kpd::TheApp elsewhere{ui, folder.filePath(QStringLiteral("gone/deeper")).toStdString()};
    kpd::test::buildSmallDrive(elsewhere);
    kpd::DrvMenus& menus = elsewhere.getCustMenus();
    for (const char* key : {"m4", "m5"}) {
        kpd::DrvMenu& menu = menus.Add(key);
        menu.setModeNames(kpd::test::smallDriveModes(), false);
        for (const char* para : {"p1", "p2", "p3"}) {
            menu.Parameters().Add(para);
            menu.buildModes(para);
        }
    }
    menus.Item("m1").AddClone(4);
    menus.Item("m1").AddClone(5);
    menus.Item("m1").Parameters().Item("p1").modes().Item("Servo").setDesc("Source p1");
    menus.Item("m4").Parameters().Item("p1").modes().Item("Servo").setDesc("Keep me");

    CloneMenuRun run(menus, "m1", ui);
    EXPECT_EQ(run.clone({4, 5}), CloneMenuRun::Result::BackupFailed);
    EXPECT_EQ(menus.Item("m4").Parameters().Item("p1").modes().Item("Servo").getDesc(), "Keep me");
    EXPECT_EQ(menus.Item("m5").Parameters().Item("p1").modes().Item("Servo").getDesc(), "");
    EXPECT_FALSE(ui.messages.empty()) << "the failed backup is reported";
}

TEST_F(CloneMenuTest, AMenuWithoutCloneTargetsIsNotClonableFromItsView)
{
    MenuView view(ui, "m2");
    view.setRefMenu(app.getRefMenus().Item("m2"));
    view.setCustMenu(custom("m2"));
    view.setCustMenuCol(app.getCustMenus());
    failOnModal();
    view.cloneMenuToMenu();
    EXPECT_FALSE(settle());
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"This menu is not clonable"}));
    EXPECT_EQ(ui.messages[0].title, "");
}

TEST_F(CloneMenuTest, TheViewOpensTheDialogOnItsCustomMenu)
{
    MenuView view(ui, "m1");
    view.setRefMenu(app.getRefMenus().Item("m1"));
    view.setCustMenu(custom("m1"));
    view.setCustMenuCol(app.getCustMenus());
    whenModal<CloneMenu>([](CloneMenu& open) {
        EXPECT_TRUE(open.isModal());
        open.lstClones()->item(0)->setSelected(true);
        open.OKButton()->click();
    });
    view.cloneMenuToMenu();
    EXPECT_EQ(record("m4", "p1", "Servo").getDesc(), "Source p1");
    EXPECT_EQ(record("m5", "p1", "Servo").getDesc(), "Old m5");
}
