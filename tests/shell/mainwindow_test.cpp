#include "filecommandsfixture.h"
#include "recordinguserinterface.h"
#include "startededitor.h"

#include "model/theapp.h"
#include "shell/appsettings.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/frame/autosavewindow.h"
#include "shell/frame/helpwindow.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"
#include "shell/qtdialogs.h"
#include "views/menuview.h"
#include "views/parameditor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using kpd::test::RecordingUserInterface;

namespace {

class MainWindowTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        StartedEditor<>::SetUp();
        window->show();
    }

    void select(MenuTree::Node::Kind kind, const QString& key)
    {
        QTreeWidgetItem* node = window->findNode({kind, key});
        ASSERT_NE(node, nullptr) << key.toStdString();
        window->selectNode(node);
    }

    kpd::ModeData& customRecord(const char* menu, const char* para, const char* mode = "Open loop")
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
};

} // namespace

TEST_F(MainWindowTest, SelectingAMenuTwiceOpensOneWindowAndRestoresItWhenMinimised)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    ASSERT_EQ(window->menuWindows().Count(), 1);
    MenuView& view = window->menuWindows().Item("m1");
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Speed - (Menu 1)"));
    view.parentWidget()->showMinimized();
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    EXPECT_EQ(window->menuWindows().Count(), 1);
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
    EXPECT_FALSE(view.parentWidget()->isMinimized());
}

TEST_F(MainWindowTest, TheTripsMenuOpensAsDriveTripDescriptions)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("trips"));
    MenuView& view = window->menuWindows().Item("trips");
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Drive Trip Descriptions"));
    EXPECT_EQ(view.grid()->item(0, 0)->text(), QStringLiteral("Custom trip"));
}

TEST_F(MainWindowTest, ClosingAMenuWindowTakesItOutOfTheList)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    select(MenuTree::Node::Kind::Menu, QStringLiteral("trips"));
    window->menuWindows().Item("m1").closeWindow();
    EXPECT_EQ(window->menuWindows().Count(), 1);
    EXPECT_FALSE(window->menuWindows().contains("m1"));
    window->menus().windowCloseAll->trigger();
    EXPECT_EQ(window->menuWindows().Count(), 0);
}

TEST_F(MainWindowTest, TheWindowMenuListsTheWindowsEachTimeItOpensAndClosesThemAll)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    select(MenuTree::Node::Kind::Menu, QStringLiteral("trips"));
    QMenu* menu = window->menus().windowMenu;
    QAction* closeAll = nullptr;
    for (int opening = 0; opening < 2; ++opening) {
        emit menu->aboutToShow();
        QStringList captions;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) captions << action->text();
        }
        ASSERT_EQ(captions.size(), 3) << captions.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(captions.last(), QStringLiteral("Cl&ose all windows"));
        closeAll = menu->actions().last();
    }
    closeAll->trigger();
    EXPECT_EQ(window->menuWindows().Count(), 0);
}

TEST_F(MainWindowTest, ChoosingALanguageRefreshesTheOpenWindows)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    MenuView& view = window->menuWindows().Item("m1");
    view.togglePanel(true);
    ASSERT_EQ(view.grid()->rowCount(), 4);
    EXPECT_EQ(view.grid()->item(0, 0)->text(), QStringLiteral("Speed ref"));

    window->menus().languages[2]->trigger();
    EXPECT_EQ(window->document().app()->getRefKey(), "French");
    EXPECT_EQ(view.grid()->item(0, 0)->text(), QStringLiteral("Vitesse"));
    EXPECT_TRUE(window->menus().languages[2]->isChecked());

    window->menus().languages[2]->trigger();
    EXPECT_TRUE(window->menus().languages[2]->isChecked()) << "choosing the current language keeps its mark";
}

TEST_F(MainWindowTest, ClosingWithUnsavedDataAsksAndNoKeepsRunning)
{
    customRecord("m1", "p1").setDesc("changed");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    ui.answers.push_back(kpd::MessageAnswer::No);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "There is unsaved data - do you really want to quit?");
    EXPECT_EQ(ui.messages[0].title, "WARNING");
    ASSERT_NE(window->document().app(), nullptr);
    EXPECT_EQ(customRecord("m1", "p1").getDesc(), "changed");
    EXPECT_TRUE(window->document().app()->isAppDirty());
}

TEST_F(MainWindowTest, ClosingWithYesWritesTheSettings)
{
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    window->menus().languages[2]->trigger();
    window->autoSaveWindow()->setRunning(false);
    window->document().setASFIleName(folder.file(QStringLiteral("mine.kpd")));
    ui.answers.push_back(kpd::MessageAnswer::Yes);
    EXPECT_TRUE(window->close());
    const StartupSettings stored = AppSettings::read();
    EXPECT_EQ(stored.lang, "2");
    EXPECT_EQ(stored.autoSaveState, "off");
    EXPECT_EQ(stored.autoSaveFile, folder.file(QStringLiteral("mine.kpd")).toStdString());
    EXPECT_EQ(stored.lastFile, "");
}

TEST_F(MainWindowTest, ClosingAfterStartUpAsksNothing)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(AppSettings::read().autoSaveState, "on");
}

TEST_F(MainWindowTest, ReportProgressHandsOverTheStopFlagOnce)
{
    EXPECT_FALSE(window->document().reportProgress(10));
    window->document().stopProcess();
    EXPECT_TRUE(window->document().reportProgress(20));
    EXPECT_FALSE(window->document().reportProgress(30));
    EXPECT_EQ(window->document().progress(), 30);
}

TEST_F(MainWindowTest, AutoSaveWritesTheCustomSetAndMarksEverythingClean)
{
    customRecord("m1", "p1").setDesc("auto saved");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    const QString target = folder.file(QStringLiteral("autoSave.kpd"));
    window->document().setASFIleName(target);
    window->document().AutoSave();
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("auto saved"));
    EXPECT_FALSE(window->document().app()->isAppDirty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keypad data editor")) << "auto saves do not change the title";
}

TEST_F(MainWindowTest, AutoSaveWritesOnlyWhenSomethingChangedSinceTheLastSave)
{
    const QString target = folder.file(QStringLiteral("autoSave.kpd"));
    window->document().setASFIleName(target);
    AutoSaveWindow* autoSave = window->autoSaveWindow();
    autoSave->setMinutes(1);
    autoSave->tick();
    EXPECT_FALSE(QFile::exists(target)) << "nothing changed since start-up";
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    autoSave->tick();
    EXPECT_TRUE(QFile::remove(target));
    autoSave->tick();
    EXPECT_FALSE(QFile::exists(target)) << "nothing changed since the auto save";
}

TEST_F(MainWindowTest, AFailedAutoSaveReportsOnceAndKeepsDataTimerAndDirtyState)
{
    customRecord("m1", "p1").setDesc("precious");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    const QString target = folder.file(QStringLiteral("no/such/folder/autoSave.kpd"));
    window->document().setASFIleName(target);
    AutoSaveWindow* autoSave = window->autoSaveWindow();
    autoSave->setMinutes(1);
    autoSave->tick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_NE(ui.messages[0].text.find(target.toStdString()), std::string::npos) << ui.messages[0].text;
    EXPECT_TRUE(autoSave->isRunning());
    EXPECT_TRUE(window->document().app()->isAppDirty());
    EXPECT_EQ(customRecord("m1", "p1").getDesc(), "precious");
}

TEST_F(MainWindowTest, TheDefaultAutoSaveFileNeverFollowsALinkOutOfTheDriveFolder)
{
    customRecord("m1", "p1").setDesc("auto saved");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    QTemporaryDir outside;
    const QString victim = QDir(outside.path()).filePath(QStringLiteral("victim"));
    {
        QFile planted(victim);
        ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
        planted.write("not the editor's");
    }
    const QString target = folder.file(QStringLiteral("autoSave.kpd"));
    ASSERT_TRUE(QFile::link(victim, target));
    window->document().setASFIleName(target);
    window->document().AutoSave();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Cannot write the file " + target.toStdString() +
                                            " : a symbolic link leads it out of the folder " +
                                            folder.path().toStdString(),
                                        0),
              0u)
        << ui.messages[0].text;
    QFile kept(victim);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not the editor's"));
    EXPECT_TRUE(window->document().app()->isAppDirty());
}

TEST_F(MainWindowTest, AnOpenProgressWindowSuspendsTheAutoSave)
{
    struct Owner : kpd::ProgressOwner {
        std::int32_t progress() const override { return 0; }
        void stopProcess() override {}
    } owner;
    AutoSaveWindow* autoSave = window->autoSaveWindow();
    ASSERT_TRUE(autoSave->isRunning());
    {
        auto progress = window->document().ui().openProgress(owner, 100, "Compressing");
        EXPECT_FALSE(autoSave->isRunning());
        progress->close();
        EXPECT_TRUE(autoSave->isRunning());
    }
    autoSave->setRunning(false);
    window->document().ui().openProgress(owner, 100, "Compressing")->close();
    EXPECT_FALSE(autoSave->isRunning()) << "a stopped auto save stays stopped";
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileOrSaysWhyNot)
{
    window->menus().helpContents->trigger();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->shownText().contains(QStringLiteral("Cannot open the help file")));
    folder.write(QStringLiteral("vx keypad tool help.hlp"), "<html><body><h1>Keypad editor</h1></body></html>");
    window->menus().helpContents->trigger();
    EXPECT_TRUE(help->shownText().contains(QStringLiteral("Keypad editor")));
}

TEST_F(MainWindowTest, CommandsWithoutTheirWorkStayListedButDisabled)
{
    MainMenus& menus = window->menus();
    EXPECT_FALSE(menus.fileSaveAssembler->isVisible()) << "no access code in the configuration";
    EXPECT_FALSE(menus.connectUpload->isVisible());
    EXPECT_FALSE(menus.characterMenu->menuAction()->isVisible());
    EXPECT_TRUE(menus.fileAutoSave->isEnabled());
}

namespace {

// An editor started on the small drive after a test has changed its files.
struct EditorOn {
    explicit EditorOn(DriveFolder& folder) : window(ui, folder.path()) {}
    RecordingUserInterface ui;
    MainWindow window;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(MainWindowStart, ALastFileThatLoadsOnlyInPartIsShownIncompleteAndSaveAsksForAName)
{
    DriveFolder folder;
    QByteArray broken = folder.customDocument(QStringLiteral("Before the fault"));
    broken.insert(broken.indexOf("<Menu MenuID=\"m2\">"), "&broken;");
    folder.write(QStringLiteral("last.kpd"), broken);
    const QString last = folder.file(QStringLiteral("last.kpd"));
    QSettings store(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool"));
    store.clear();
    store.setValue(QStringLiteral("Settings/LastFile"), last);
    store.sync();

    EditorOn editor(folder);
    ASSERT_TRUE(editor.window.load());
    EXPECT_TRUE(editor.window.document().currentFile().isEmpty());
    EXPECT_EQ(editor.window.windowTitle(),
              QStringLiteral("Keypad data editor: - editing: ") + last + QStringLiteral(" (incomplete)"));
    ScriptedChooser::Script dialogs;
    editor.window.setFileCommands().setChooser(std::make_shared<ScriptedChooser>(dialogs));
    editor.window.setFileCommands().save();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(fileBytes(last), broken);
}

TEST(MainWindowText, AModeNamedBeyondAsciiShowsInTheTreeAndOpensItsEditor)
{
    DriveFolder folder;
    QByteArray configuration = fileBytes(folder.file(QStringLiteral("kpdconf.kpx")));
    configuration.replace("mode5=\"Regen\"", "mode5=\"R\xC3\xA9gen\"");
    folder.write(QStringLiteral("kpdconf.kpx"), configuration);
    // The editor's keypad text boxes must never reach the user's component registry.
    QTemporaryDir registry;
    const QByteArray previousRegistry = qgetenv("KPD_COMRT_REGISTRY");
    qputenv("KPD_COMRT_REGISTRY", registry.filePath(QStringLiteral("registry.json")).toLocal8Bit());

    std::string openedMode;
    {
        EditorOn editor(folder);
        ASSERT_TRUE(editor.window.load());
        editor.window.setEditorRunner([&](ParamEditor& opened) { openedMode = opened.session().modeKey(); });
        QTreeWidgetItem* node = editor.window.findNode({MenuTree::Node::Kind::Mode, QStringLiteral(u"R\u00E9gen")});
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->text(0), QStringLiteral(u"R\u00E9gen"));
        editor.window.selectNode(node);
        EXPECT_TRUE(editor.ui.messages.empty()) << editor.ui.messages.front().text;
    }
    qputenv("KPD_COMRT_REGISTRY", previousRegistry);
    EXPECT_EQ(openedMode, "R\xE9gen");
}

TEST(ShellMessages, AMessageInModelTextArrivesInTheMessageBoxAsItsOwnCharacters)
{
    QtDialogs dialogs;
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            title = box->windowTitle();
            text = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    dialogs.message("Partial load of Vit\xE9sse", "Vit\xE9sse", kpd::MessageIcon::None, kpd::MessageButtons::Ok);
    EXPECT_EQ(title, QStringLiteral(u"Vit\u00E9sse"));
    EXPECT_EQ(text, QStringLiteral(u"Partial load of Vit\u00E9sse"));
}
