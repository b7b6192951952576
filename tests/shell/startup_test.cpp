#include "drivefolder.h"
#include "recordinguserinterface.h"

#include "model/theapp.h"
#include "shell/appsettings.h"
#include "shell/drivedocument.h"
#include "shell/frame/autosavewindow.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTreeWidget>

#include <gtest/gtest.h>

using kpd::test::RecordingUserInterface;

namespace {

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear(); }

    std::unique_ptr<MainWindow> start(const DriveFolder& folder)
    {
        auto window = std::make_unique<MainWindow>(ui, folder.path());
        QObject::connect(&window->document(), &DriveDocument::startupStatus,
                         [this](const QString& status) { splashStatuses.push_back(status.toStdString()); });
        QObject::connect(&window->document(), &DriveDocument::startupProgress,
                         [this](int value) { splashValues.push_back(value); });
        loaded = window->load();
        return window;
    }

    static QStringList childTexts(QTreeWidgetItem* node)
    {
        QStringList texts;
        for (int i = 0; i < node->childCount(); ++i) texts << node->child(i)->text(0);
        return texts;
    }

    RecordingUserInterface ui;
    bool loaded = false;
    std::vector<std::string> splashStatuses;
    std::vector<int> splashValues;
};

} // namespace

TEST_F(StartUp, OnAFullDriveFolderShowsNoMessageAndEndsClean)
{
    DriveFolder folder;
    auto window = start(folder);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keypad data editor"));
    EXPECT_FALSE(window->document().app()->isAppDirty()) << "what start-up loads counts as saved";
    EXPECT_TRUE(QDir(folder.path()).exists(QStringLiteral("dlSegs")));
    EXPECT_EQ(ui.busyDepth, 0) << "every busy pointer is taken back";
}

TEST_F(StartUp, SplashReportsEachStepAndRaisesTheBarBySixPerLanguage)
{
    DriveFolder folder;
    auto window = start(folder);
    // The configuration reports its own steps between "Starting up" and the constants.
    ASSERT_GE(splashStatuses.size(), 5u);
    EXPECT_EQ(splashStatuses.front(), "Starting up");
    EXPECT_EQ(std::vector<std::string>(splashStatuses.end() - 4, splashStatuses.end()),
              (std::vector<std::string>{"Loading constants", "Loading language English", "Loading language Custom",
                                        "Loading language French"}));
    ASSERT_GE(splashValues.size(), 6u);
    EXPECT_EQ(splashValues.front(), 0);
    EXPECT_EQ(std::vector<int>(splashValues.end() - 5, splashValues.end()), (std::vector<int>{45, 55, 61, 67, 73}));
}

TEST_F(StartUp, TreeShowsVisibleMenusWithTripNamesUnderTheDriveName)
{
    DriveFolder folder;
    auto window = start(folder);
    QTreeWidget* tree = window->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Test Drive"));
    EXPECT_TRUE(root->font(0).bold());
    EXPECT_EQ(childTexts(root), (QStringList{"Speed", "Trips"})) << "the hidden menu has no node";
    EXPECT_EQ(root->child(0)->childCount(), 0) << "a menu's branch is made when it is opened";
    EXPECT_EQ(root->child(0)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    root->child(0)->setExpanded(true);
    root->child(1)->setExpanded(true);
    root->child(0)->setExpanded(false);
    root->child(0)->setExpanded(true);
    EXPECT_EQ(childTexts(root->child(0)), (QStringList{"Reference", "Maximum"})) << "made once";
    EXPECT_EQ(childTexts(root->child(1)), QStringList{"Over volts"});
    EXPECT_EQ(childTexts(root->child(0)->child(0)), (QStringList{"Open loop", "Closed loop", "Servo", "Regen"}));
    EXPECT_NE(window->findNode({MenuTree::Node::Kind::Parameter, QStringLiteral("t1")}), nullptr);
    EXPECT_NE(window->findNode({MenuTree::Node::Kind::Mode, QStringLiteral("Closed loop")}), nullptr);
    EXPECT_EQ(window->findNode({MenuTree::Node::Kind::Menu, QStringLiteral("m2")}), nullptr);
}

TEST_F(StartUp, LanguageMenuCarriesTheKeysAndChecksTheStoredIndex)
{
    DriveFolder folder;
    StartupSettings settings;
    settings.lang = "2";
    AppSettings::write(settings);
    auto window = start(folder);
    const QList<QAction*>& items = window->menus().languages;
    EXPECT_EQ(items[0]->text(), QStringLiteral("English"));
    EXPECT_FALSE(items[1]->isVisible());
    EXPECT_EQ(items[2]->text(), QStringLiteral("French"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("Lang"));
    EXPECT_FALSE(items[3]->isEnabled()) << "an index without a language is not offered";
    EXPECT_TRUE(items[2]->isChecked());
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_EQ(window->document().app()->getRefKey(), "French");
}

TEST_F(StartUp, AStoredLanguageAboveTheLastFallsBackToTheFirst)
{
    DriveFolder folder;
    StartupSettings settings;
    settings.lang = "5";
    AppSettings::write(settings);
    auto window = start(folder);
    EXPECT_EQ(window->document().languageIndex(), 0);
    EXPECT_EQ(window->document().app()->getRefKey(), "English");
    EXPECT_TRUE(window->menus().languages[0]->isChecked());
}

TEST_F(StartUp, NoSettingsMeansAutoSaveOnIntoTheProgramFolder)
{
    DriveFolder folder;
    auto window = start(folder);
    EXPECT_EQ(window->document().autoSaveFile(), QDir(folder.path()).filePath(QStringLiteral("autoSave.kpd")));
    EXPECT_TRUE(window->autoSaveWindow()->isRunning());
    EXPECT_EQ(window->autoSavePanelText(), QStringLiteral("Auto save is on"));
    EXPECT_EQ(window->document().languageIndex(), 0);
}

TEST_F(StartUp, AutoSaveStateIsOffOnlyForExactlyOff)
{
    DriveFolder folder;
    StartupSettings settings;
    settings.autoSaveState = "OFF";
    AppSettings::write(settings);
    EXPECT_TRUE(start(folder)->autoSaveWindow()->isRunning());

    settings.autoSaveState = "off";
    AppSettings::write(settings);
    auto window = start(folder);
    EXPECT_FALSE(window->autoSaveWindow()->isRunning());
    EXPECT_EQ(window->autoSavePanelText(), QStringLiteral("Auto save is off"));
}

TEST_F(StartUp, ConstantsFillEveryLanguage)
{
    DriveFolder folder;
    auto window = start(folder);
    for (const char* set : {"English", "Custom", "French"}) {
        const kpd::ModeData& record = window->document()
                                          .app()
                                          ->stringDatas()
                                          .Item(set)
                                          .DrvMenus()
                                          .Item("m1")
                                          .Parameters()
                                          .Item("p2")
                                          .modes()
                                          .Item("Open loop");
        EXPECT_EQ(record.uLim(), "1000") << set;
        EXPECT_EQ(record.unit(), 1) << set;
    }
}

TEST_F(StartUp, WithoutConfigurationTheProgramCannotRun)
{
    DriveFolder folder(DriveFolder::All & ~DriveFolder::Configuration);
    auto window = start(folder);
    EXPECT_FALSE(loaded);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text, "Cannot find configuration file - kpdconf.kpx in my folder - Cannot run");
    EXPECT_EQ(ui.messages[0].title, "CRITICAL ERROR");
    EXPECT_EQ(window->document().app(), nullptr);
}

TEST_F(StartUp, ABrokenConfigurationEndsStartUpWithItsOwnMessage)
{
    DriveFolder folder(DriveFolder::All & ~DriveFolder::Configuration);
    folder.write(QStringLiteral("kpdconf.kpx"),
                 QByteArrayLiteral("<keypadToolData><dbNames Lang0=\"English\"/><modes"));
    auto window = start(folder);
    EXPECT_FALSE(loaded);
    ASSERT_EQ(ui.messages.size(), 1u) << ui.messages.back().text;
    EXPECT_EQ(ui.messages[0].text.rfind("Parse Error ", 0), 0u) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find(folder.file(QStringLiteral("kpdconf.kpx")).toStdString()), std::string::npos)
        << ui.messages[0].text;
    EXPECT_EQ(window->document().app(), nullptr);
}

TEST_F(StartUp, MissingConstantsAndLanguagesAreReportedAndStartUpGoesOn)
{
    DriveFolder folder(DriveFolder::All & ~DriveFolder::Constants & ~DriveFolder::French);
    auto window = start(folder);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "Could not find constants file, limits and defaults etc will not be available",
                              "Could not find French reference file, this language selection will be empty"}));
    EXPECT_EQ(ui.messages[0].title, "") << "shown under the program title";
    EXPECT_EQ(window->document()
                  .app()
                  ->stringDatas()
                  .Item("French")
                  .DrvMenus()
                  .Item("m1")
                  .Parameters()
                  .Item("p2")
                  .modes()
                  .Item("Open loop")
                  .uLim(),
              "");
}

TEST_F(StartUp, TheLastFileIsReopenedWhenItStillExists)
{
    DriveFolder folder;
    folder.write(QStringLiteral("work.kpd"), folder.customDocument(QStringLiteral("Edited text")));
    StartupSettings settings;
    settings.lastFile = folder.file(QStringLiteral("work.kpd")).toStdString();
    AppSettings::write(settings);
    auto window = start(folder);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Keypad data editor: - editing: ") + folder.file(QStringLiteral("work.kpd")));
    EXPECT_EQ(window->document().currentFile(), folder.file(QStringLiteral("work.kpd")));
    EXPECT_EQ(
        window->document().app()->getCustMenus().Item("m1").Parameters().Item("p1").modes().Item("Open loop").getDesc(),
        "Edited text");
    EXPECT_FALSE(window->document().app()->isAppDirty());
}

TEST_F(StartUp, AVanishedLastFileStartsQuietlyWithoutAFile)
{
    DriveFolder folder;
    StartupSettings settings;
    settings.lastFile = folder.file(QStringLiteral("gone.kpd")).toStdString();
    AppSettings::write(settings);
    auto window = start(folder);
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keypad data editor"));
    EXPECT_TRUE(window->document().currentFile().isEmpty());
}

TEST_F(StartUp, TheBundledSampleDriveStartsWithoutAMessage)
{
    DriveFolder folder(0);
    const QDir sample(QStringLiteral(KPD_SOURCE_DIR "/data"));
    for (const QString& name : sample.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(sample.filePath(name), folder.file(name))) << name.toStdString();
    auto window = start(folder);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    QTreeWidgetItem* root = window->tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_GE(root->childCount(), 20);
    for (int i = 0; i < root->childCount(); ++i) {
        const MenuTree::Node node = MenuTree::nodeOf(root->child(i));
        ASSERT_EQ(node.kind, MenuTree::Node::Kind::Menu);
        const kpd::DrvMenu& menu = window->document().app()->getCustMenus().Item(node.key.toStdString());
        EXPECT_FALSE(menu.hidden()) << node.key.toStdString();
    }
    EXPECT_EQ(window->menus().languages[5]->text(), QStringLiteral("Italian"));
    EXPECT_FALSE(window->document().app()->isAppDirty());
}

TEST_F(StartUp, TheAccessCodeOffersTheAssemblerFile)
{
    DriveFolder folder;
    QFile config(folder.file(QStringLiteral("kpdconf.kpx")));
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    QByteArray text = config.readAll();
    config.close();
    folder.write(QStringLiteral("kpdconf.kpx"),
                 text.replace("custom=\"Lang1\"", "custom=\"Lang1\" mode=\"brightfennel\""));
    auto window = start(folder);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(window->document().alternate());
    EXPECT_TRUE(window->menus().fileSaveAssembler->isVisible());
    EXPECT_EQ(window->document().hexBase(), 65536);
}
