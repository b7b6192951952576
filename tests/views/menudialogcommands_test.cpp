#include "menudialogsfixture.h"

#include "views/clonemenu.h"
#include "views/copym2m.h"
#include "views/menudialogcommands.h"
#include "views/menuview.h"
#include "views/menuwindows.h"
#include "views/stripspace.h"

#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <memory>

namespace {

// Notes, for each message, whether the strip window is on the screen under it.
class WatchingUserInterface : public kpd::test::RecordingUserInterface {
public:
    kpd::MessageAnswer message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                               kpd::MessageButtons buttons) override
    {
        stripWindowShown.push_back(stripWindowVisible());
        return RecordingUserInterface::message(text, title, icon, buttons);
    }
    static bool stripWindowVisible()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [](const QWidget* w) { return qobject_cast<const Stripspace*>(w) && w->isVisible(); });
    }
    std::vector<bool> stripWindowShown;
};

class CommandsTest : public MenuDialogsTest {
protected:
    MenuView* open(const char* key)
    {
        MenuView* view = windows.Add(key);
        view->setRefMenu(app.getRefMenus().Item(key));
        view->setCustMenu(custom(key));
        view->setCustMenuCol(app.getCustMenus());
        return view;
    }
    static void focus(MenuView* view)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(view->grid(), &in);
    }

    std::vector<std::unique_ptr<MenuView>> views;
    kpd::menuWindows<MenuView> windows{ui, [this](const std::string& key) {
                                           views.push_back(std::make_unique<MenuView>(ui, key));
                                           return views.back().get();
                                       }};
    int refreshes = 0;
    MenuDialogCommands commands{app, ui, windows, [this] { ++refreshes; }};
};

} // namespace

TEST_F(CommandsTest, WithoutAMenuInFocusNothingHappens)
{
    open("m1");
    failOnModal();
    commands.cloneMenu();
    commands.copyModeToMode();
    EXPECT_FALSE(settle());
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"No menu in focus", "No menu in focus"}));
    EXPECT_EQ(ui.messages[0].title, "");
    EXPECT_EQ(refreshes, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(backup("m1"))));
}

TEST_F(CommandsTest, CloneRunsOnTheMenuInFocusAndRefreshes)
{
    open("m2");
    MenuView* m1 = open("m1");
    focus(m1);
    record("m1", "p2", "Servo").setDesc("From m1");
    whenModal<CloneMenu>([](CloneMenu& dialog) {
        EXPECT_EQ(dialog.txtSourceName()->text(), QStringLiteral("Menu m1"));
        dialog.lstClones()->item(2)->setSelected(true);
        dialog.OKButton()->click();
    });
    commands.cloneMenu();
    EXPECT_EQ(record("m6", "p2", "Servo").getDesc(), "From m1");
    EXPECT_EQ(refreshes, 1);
}

TEST_F(CommandsTest, CopyModeWritesTheMenuBackupBeforeTheDialog)
{
    MenuView* view = open("m1");
    focus(view);
    record("m1", "p1", "Open loop").setDesc("Before");
    const QString backupFile = QString::fromStdString(backup("m1"));
    bool backupFirst = false;
    whenModal<CopyM2M>([&backupFirst, backupFile](CopyM2M& dialog) {
        backupFirst = QFile::exists(backupFile);
        dialog.modeList()->setCurrentRow(2);
        dialog.listClicked();
        dialog.btnCopyToAll()->click();
    });
    commands.copyModeToMode();
    EXPECT_TRUE(backupFirst);
    EXPECT_EQ(record("m1", "p1", "Open loop").getDesc(), "");
    EXPECT_EQ(refreshes, 1);
    ASSERT_TRUE(app.loadUserFile(backup("m1"), 1));
    EXPECT_EQ(record("m1", "p1", "Open loop").getDesc(), "Before");
}

TEST_F(CommandsTest, CopyModeWithoutABackupOpensNoDialog)
{
    kpd::TheApp elsewhere{ui, folder.filePath(QStringLiteral("gone/deeper")).toStdString()};
    kpd::test::buildSmallDrive(elsewhere);
    MenuView view(ui, "m1");
    view.setRefMenu(elsewhere.getRefMenus().Item("m1"));
    view.setCustMenu(elsewhere.getCustMenus().Item("m1"));
    kpd::menuWindows<MenuView> list{ui, [&view](const std::string&) { return &view; }};
    list.Add("m1");
    focus(&view);
    MenuDialogCommands elsewhereCommands{elsewhere, ui, list, [this] { ++refreshes; }};
    failOnModal();
    elsewhereCommands.copyModeToMode();
    EXPECT_FALSE(settle()) << "no copy without its backup";
    EXPECT_FALSE(ui.messages.empty()) << "the failed backup is reported";
}

TEST_F(CommandsTest, StripReportsTheBytesRemovedAndTheTextsChangedOverItsWindow)
{
    record("m1", "p1", "Servo").setDesc("AB  ~MC  ");
    record("m5", "p3", "Open loop").setHelp("Hello   ");
    WatchingUserInterface watching;
    MenuDialogCommands stripping{app, watching, windows, [this] { ++refreshes; }};
    stripping.stripTrailingSpaces(QStringLiteral(LCDTEXTBOX_FOLDER), nullptr);
    EXPECT_EQ(watching.texts(), (std::vector<std::string>{"7 bytes were removed from database\n2 texts changed"}));
    EXPECT_EQ(watching.messages.back().title, "");
    EXPECT_EQ(watching.stripWindowShown, (std::vector<bool>{true}));
    EXPECT_FALSE(WatchingUserInterface::stripWindowVisible()) << "gone with the report";
    EXPECT_EQ(refreshes, 1);
}

TEST_F(CommandsTest, StripWithNothingToRemoveReportsZero)
{
    record("m1", "p1", "Servo").setDesc("Clean");
    commands.stripTrailingSpaces(QStringLiteral(LCDTEXTBOX_FOLDER), nullptr);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"0 bytes were removed from database\n0 texts changed"}));
    EXPECT_EQ(record("m1", "p1", "Servo").undoD(), "Clean");
}
