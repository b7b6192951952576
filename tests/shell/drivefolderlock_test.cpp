#include "filecommandsfixture.h"

#include "shell/appsettings.h"
#include "shell/drivedocument.h"
#include "shell/drivefolderlock.h"
#include "shell/frame/autosavewindow.h"
#include "shell/frame/mainmenus.h"

#include <QAction>
#include <QProcess>
#include <QSysInfo>

namespace {

class DriveFolderLockTest : public FileCommandsFixture {
protected:
    // A second editor on `drive`, answering the lock question with `answer`.
    std::unique_ptr<MainWindow> start(const DriveFolder& drive, kpd::MessageAnswer answer, bool& loaded)
    {
        other.answers = {answer};
        auto editor = std::make_unique<MainWindow>(other, drive.path());
        loaded = editor->load();
        return editor;
    }
    QString lockFile() const { return folder.file(QString::fromLatin1(DriveFolderLock::kLockName)); }

    kpd::test::RecordingUserInterface other;
};

TEST_F(DriveFolderLockTest, ASecondEditorIsToldWhoHoldsTheFolderAndMayOnlyLookOrQuit)
{
    bool loaded = false;
    std::unique_ptr<MainWindow> second = start(folder, kpd::MessageAnswer::Yes, loaded);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(other.messages.size(), 1u);
    const std::string& text = other.messages[0].text;
    EXPECT_NE(text.find("host " + QSysInfo::machineHostName().toStdString() + ", process " +
                        std::to_string(QCoreApplication::applicationPid()) + ", since "),
              std::string::npos)
        << text;
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Keypad data editor (read-only)"));
    for (QAction* action : {second->menus().fileSave, second->menus().fileAutoSave, second->menus().driveMerge,
                            second->menus().connectDownload})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(second->autoSaveWindow()->isRunning());
    EXPECT_TRUE(window->menus().fileSave->isEnabled());

    second->document().app()->getCustMenus().Item("m1").setDirty(true);
    EXPECT_FALSE(second->document().hasChangesToSave()) << "nothing to auto save";
    EXPECT_TRUE(second->close());
    EXPECT_EQ(AppSettings::read().autoSaveState, "on") << "the settings are the holder's to write";

    start(folder, kpd::MessageAnswer::No, loaded);
    EXPECT_FALSE(loaded) << "No quits";
}

TEST_F(DriveFolderLockTest, TheLockOfAnEditorThatEndedWithoutClosingIsTakenOver)
{
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QByteArray left = FileCommandsFixture::read(lockFile());
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(lockFile())) << "closing releases the lock";
    left.replace(0, left.indexOf('\n'), QByteArray::number(deadPid));
    folder.write(QString::fromLatin1(DriveFolderLock::kLockName), left);

    bool loaded = false;
    EXPECT_FALSE(start(folder, kpd::MessageAnswer::No, loaded)->document().readOnly());
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(other.messages.empty());
}

TEST_F(DriveFolderLockTest, TheLockMovesWithTheDriveFolder)
{
    DriveFolder second;
    DriveFolder third;
    bool loaded = false;
    std::unique_ptr<MainWindow> holder = start(third, kpd::MessageAnswer::Yes, loaded);
    ASSERT_TRUE(loaded);

    ui.answers = {kpd::MessageAnswer::No};
    EXPECT_FALSE(window->document().switchDriveFolder(third.path()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("No: stay in the drive folder open now."), std::string::npos);
    EXPECT_EQ(window->document().programFolder(), folder.path());
    EXPECT_FALSE(window->document().readOnly());

    EXPECT_TRUE(window->document().switchDriveFolder(second.path()));
    EXPECT_TRUE(window->document().switchDriveFolder(second.path()));
    EXPECT_EQ(ui.messages.size(), 1u) << "the folder it holds is no other editor's";
    other.messages.clear();
    EXPECT_FALSE(start(folder, kpd::MessageAnswer::No, loaded)->document().readOnly());
    EXPECT_TRUE(other.messages.empty()) << "the folder left is free";
    EXPECT_TRUE(start(second, kpd::MessageAnswer::Yes, loaded)->document().readOnly());

    ui.answers = {kpd::MessageAnswer::No};
    EXPECT_TRUE(holder->close());
    EXPECT_TRUE(window->document().switchDriveFolder(third.path()));
    EXPECT_FALSE(window->document().readOnly()) << "the holder's lock went with it";
}

} // namespace
