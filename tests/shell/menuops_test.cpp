#include "filecommandsfixture.h"

#include "shell/drivedocument.h"
#include "shell/frame/mainmenus.h"
#include "views/menuview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QTableWidget>
#include <QTreeWidgetItem>

namespace {

// m1 and m2 of the custom set, with texts that no file of the drive folder holds.
const char* kTwoMenus = R"(<App AppID="KeypadApp" version="10500">
  <StringDB DBID="Custom">
    <Menu MenuID="m1">
      <Para ParaID="p1"><Mode ModeID="Open loop" Unit="4"><Desc>Loaded speed</Desc><Help/></Mode></Para>
    </Menu>
    <Menu MenuID="m2">
      <Para ParaID="p0"><Mode ModeID="Open loop" Unit="0"><Desc>Loaded trip</Desc><Help/></Mode></Para>
    </Menu>
  </StringDB>
</App>
)";

class MenuOpsTest : public FileCommandsFixture {
protected:
    // Opens the menu's window from the tree and gives it the focus.
    MenuView& focusMenu(const char* key)
    {
        window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QLatin1String(key)}));
        MenuView& view = window->menuWindows().Item(key);
        QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(view.grid(), &event);
        return view;
    }

    QString twoMenusFile()
    {
        folder.write(QStringLiteral("two.kpd"), kTwoMenus);
        return folder.file(QStringLiteral("two.kpd"));
    }
};

} // namespace

TEST_F(MenuOpsTest, WithoutAMenuInFocusEveryMenuCommandOnlySaysSo)
{
    for (auto command : {&MenuFileCommands::loadMenu, &MenuFileCommands::saveMenu, &MenuFileCommands::clearMenu,
                         &MenuFileCommands::copyMenuRefToCust, &MenuFileCommands::copyLimitsOnly}) {
        ui.messages.clear();
        (menuCommands().*command)();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "No menu in focus");
        EXPECT_EQ(ui.messages[0].title, "");
    }
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_FALSE(QFileInfo(menuCommands().menuBackupPath("m1")).exists());
}

TEST_F(MenuOpsTest, LoadMenuBacksUpAndTakesOnlyThatMenuFromTheFile)
{
    focusMenu("m1");
    answerFile(twoMenusFile());
    menuCommands().loadMenu();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Partial load of Speed from file"));
    EXPECT_EQ(dialogs.requests[0].kind, FileChooser::Kind::Open);
    EXPECT_TRUE(read(folder.file(QStringLiteral("autoBackupm1.kpd"))).contains("<Desc>Custom ref</Desc>"));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Loaded speed");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Custom trip") << "other menus of the file are left out";
    EXPECT_TRUE(window->document().currentFile().isEmpty());
}

TEST_F(MenuOpsTest, LoadMenuOnTheTripsWindowLoadsEachForwardMenu)
{
    MenuView& trips = focusMenu("trips");
    EXPECT_TRUE(menuCommands().loadMenuFile(trips, twoMenusFile()));
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Loaded trip");
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref") << "m1 carries no trip";
    const QByteArray backup = read(folder.file(QStringLiteral("autoBackuptrips.kpd")));
    EXPECT_TRUE(backup.contains("<Desc>Custom trip</Desc>")) << backup.toStdString();
}

TEST_F(MenuOpsTest, SaveMenuWritesTheMenuAlone)
{
    focusMenu("m1");
    const QString file = folder.file(QStringLiteral("speed.kpd"));
    answerFile(file);
    menuCommands().saveMenu();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save keypad strings for menu: Speed"));
    EXPECT_TRUE(dialogs.requests[0].initialName.isEmpty());
    const QByteArray written = read(file);
    EXPECT_TRUE(written.contains("MenuID=\"m1\""));
    EXPECT_FALSE(written.contains("MenuID=\"m2\""));
    EXPECT_FALSE(written.contains("DBID")) << written.toStdString();
}

TEST_F(MenuOpsTest, ClearMenuBacksUpAndEmptiesThatMenuWithoutAsking)
{
    focusMenu("m1");
    menuCommands().clearMenu();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(read(menuCommands().menuBackupPath("m1")).contains("<Desc>Custom ref</Desc>"));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "");
    EXPECT_EQ(custom("m1", "p1", "Closed loop").getDesc(), "");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Custom trip");
    EXPECT_EQ(reference("m1", "p1").getDesc(), "Speed ref");
}

TEST_F(MenuOpsTest, WithoutItsBackupTheMenuIsNotChanged)
{
    MenuView& view = focusMenu("m1");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("autoBackupm1.kpd")));
    menuCommands().clearMenu();
    menuCommands().copyLimitsOnly();
    menuCommands().copyMenuRefToCust();
    EXPECT_FALSE(menuCommands().loadMenuFile(view, twoMenusFile()));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_EQ(ui.messages.size(), 4u) << "one failed backup each";
}

TEST_F(MenuOpsTest, CopyRefToCustOfTheMenuCopiesItsTextsAfterABackup)
{
    focusMenu("m1");
    menuCommands().copyMenuRefToCust();
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Speed ref");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Custom trip");
    EXPECT_TRUE(read(menuCommands().menuBackupPath("m1")).contains("<Desc>Custom ref</Desc>"));
}

TEST_F(MenuOpsTest, CopyLimitsOnlyLeavesEmptyTextsAndTheReferenceLimits)
{
    focusMenu("m1");
    custom("m1", "p2").setULim("5");
    custom("m1", "p2").setDesc("Max text");
    menuCommands().copyLimitsOnly();
    EXPECT_TRUE(read(menuCommands().menuBackupPath("m1")).contains("<Desc>Max text</Desc>"));
    EXPECT_EQ(custom("m1", "p2").uLim(), "1000");
    EXPECT_EQ(custom("m1", "p1").getDesc(), "");
    EXPECT_EQ(custom("m1", "p2").getDesc(), "");
    EXPECT_EQ(custom("m1", "p1").undoD(), "Custom ref") << "one undo brings the text back";
}

TEST_F(MenuOpsTest, CopyLimitsOnlyOnTheTripsWindowBringsNoTexts)
{
    focusMenu("trips");
    menuCommands().copyLimitsOnly();
    EXPECT_EQ(custom("m2", "p0").getDesc(), "") << "the reference text must not arrive";
    EXPECT_TRUE(QFileInfo(menuCommands().menuBackupPath("trips")).isFile());
}

TEST_F(MenuOpsTest, TheOpenWindowsShowTheChange)
{
    MenuView& view = focusMenu("m1");
    auto shows = [&view](const QString& text) {
        for (int row = 0; row < view.grid()->rowCount(); ++row)
            for (int column = 0; column < view.grid()->columnCount(); ++column)
                if (const QTableWidgetItem* item = view.grid()->item(row, column))
                    if (item->text().contains(text)) return true;
        return false;
    };
    ASSERT_TRUE(shows(QStringLiteral("Custom ref")));
    menuCommands().copyMenuRefToCust();
    EXPECT_FALSE(shows(QStringLiteral("Custom ref")));
}
