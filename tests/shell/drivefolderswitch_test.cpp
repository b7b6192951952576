#include "filecommandsfixture.h"

#include "shell/appsettings.h"
#include "shell/drivedocument.h"
#include "shell/userdrivefolder.h"

#include "model/theapp.h"

#include <QDir>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

class DriveFolderSwitchTest : public FileCommandsFixture {
protected:
    DriveFolder other;
};

TEST_F(DriveFolderSwitchTest, UnsavedDataIsKeptUnlessTheUserAgreesToLeaveIt)
{
    custom("m1", "p1").setDesc("edited");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    dialogs.answers.push_back({other.path(), 0});
    ui.answers.push_back(kpd::MessageAnswer::No);
    commands().openDriveFolder();

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, FileChooser::Kind::Folder);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{SetFileCommands::kSwitchFolderQuestion});
    EXPECT_EQ(window->document().programFolder(), folder.path());
    EXPECT_EQ(custom("m1", "p1").getDesc(), "edited");
    EXPECT_TRUE(AppSettings::driveFolder().isEmpty());

    ui.answers.push_back(kpd::MessageAnswer::Yes);
    QSignalSpy edited(&window->document(), &DriveDocument::customSetEdited);
    EXPECT_TRUE(commands().openDriveFolderAt(other.path()));
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(window->document().programFolder(), other.path());
    EXPECT_EQ(QDir::currentPath(), other.path());
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref") << "the custom set of the folder opened";
    EXPECT_FALSE(window->document().app()->isAppDirty());
    EXPECT_EQ(window->tree()->topLevelItemCount(), 1);
    EXPECT_EQ(AppSettings::driveFolder(), other.path()) << "the next start opens the same folder";
    EXPECT_EQ(window->document().autoSaveFile(), other.file(QStringLiteral("autoSave.kpd")));
}

TEST_F(DriveFolderSwitchTest, AFolderWithoutADriveIsRefusedBeforeAnythingIsDropped)
{
    custom("m1", "p1").setDesc("edited");
    QFile::remove(other.file(QStringLiteral("kpdconf.kpx")));
    kpd::TheApp* before = window->document().app();

    EXPECT_FALSE(commands().openDriveFolderAt(other.path()));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Cannot find configuration file - kpdconf.kpx in " +
                                                   other.path().toStdString()});
    EXPECT_EQ(window->document().app(), before);
    EXPECT_EQ(custom("m1", "p1").getDesc(), "edited");
}

TEST(DriveFolderLeaving, FilesOfTheFolderLeftAreForgottenOthersKept)
{
    StartupSettings settings;
    settings.lastFile = "/drives/a/work.kpd";
    settings.autoSaveFile = "/drives/a/autoSave.kpd";
    settings.lang = "2";
    const StartupSettings left = UserDriveFolder::leaving(settings, "/drives/a/");
    EXPECT_EQ(left.lastFile, "");
    EXPECT_EQ(left.autoSaveFile, "");
    EXPECT_EQ(left.lang, "2");

    settings.lastFile = "/drives/a/sub/work.kpd";
    settings.autoSaveFile = "/drives/ab/autoSave.kpd";
    const StartupSettings kept = UserDriveFolder::leaving(settings, "/drives/a");
    EXPECT_EQ(kept.lastFile, settings.lastFile);
    EXPECT_EQ(kept.autoSaveFile, settings.autoSaveFile);
}

} // namespace
