#include "filecommandsfixture.h"

#include "shell/drivedocument.h"
#include "shell/frame/mainmenus.h"
#include "views/menuview.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QTableWidget>

namespace {

using FileCommandsTest = FileCommandsFixture;

const std::string kEditingTitle = "Keypad data editor: - editing: ";

std::string title(const MainWindow& window)
{
    return window.windowTitle().toStdString();
}

} // namespace

TEST(FileNames, TheBaseDropsOnlyTheExtensionOfTheFileName)
{
    EXPECT_EQ(SetFileCommands::baseName(QStringLiteral("/data/out.txt")), QStringLiteral("/data/out"));
    EXPECT_EQ(SetFileCommands::baseName(QStringLiteral("/data/out.v2.kpd")), QStringLiteral("/data/out.v2"));
    EXPECT_EQ(SetFileCommands::baseName(QStringLiteral("/data/out")), QStringLiteral("/data/out"));
    EXPECT_EQ(SetFileCommands::baseName(QStringLiteral("/data/drive.v1/out")), QStringLiteral("/data/drive.v1/out"))
        << "a full stop in a folder name is no extension";
}

TEST_F(FileCommandsTest, OpenClearsTheSetLoadsTheFileAndEditsIt)
{
    custom("m1", "p2").setDesc("edited");
    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    answerFile(file);
    commands().open();

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Open keypad string file"));
    EXPECT_EQ(dialogs.requests[0].filters, QStringList{QStringLiteral("Keypad file (*.kpd)")});
    EXPECT_EQ(custom("m1", "p1").getDesc(), "From file");
    EXPECT_EQ(custom("m1", "p2").getDesc(), "") << "Open starts from an empty set";
    EXPECT_EQ(window->document().currentFile(), file);
    EXPECT_EQ(title(*window), kEditingTitle + file.toStdString());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, AFileOpenedAndLeftAsItWasHoldsNothingUnsaved)
{
    folder.write(QStringLiteral("autoBackup.kpd"), "earlier backup");
    window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QStringLiteral("m1")}));
    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    ASSERT_TRUE(commands().openFile(file));
    EXPECT_FALSE(window->document().app()->isAppDirty());
    commands().newFile();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(ui.messages.empty()) << "New and Exit ask nothing";
    EXPECT_EQ(read(commands().customSetBackupPath()), QByteArray("earlier backup"));
}

// The user's file holds "Custom ref" for m1.p1 and "Custom trip" for m2.p0; the reference
// set "Speed ref" and "Over volts". The other files leave m2.p0 empty.
TEST_F(FileCommandsTest, MergeTakesWhatTheOtherFileChangedAndSaveStillWritesTheUsersFile)
{
    const QString mine = folder.file(QStringLiteral("mine.kpd"));
    ASSERT_TRUE(commands().saveAsFile(mine, SetFileCommands::KeypadFile));
    custom("m1", "p1").setDesc("My speed");
    custom("m2", "p0").setDesc("My trip");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    const QString unchanged = folder.file(QStringLiteral("unchanged.kpd"));
    folder.write(QStringLiteral("unchanged.kpd"), folder.customDocument(QStringLiteral("Speed ref")));
    const QString changed = folder.file(QStringLiteral("changed.kpd"));
    folder.write(QStringLiteral("changed.kpd"), folder.customDocument(QStringLiteral("Their speed")));

    EXPECT_TRUE(commands().mergeFile(unchanged));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "My speed") << "their text is the reference's";
    EXPECT_EQ(custom("m2", "p0").getDesc(), "My trip") << "their text is empty";
    EXPECT_TRUE(read(commands().customSetBackupPath()).contains("My speed"));
    EXPECT_TRUE(window->document().app()->isAppDirty()) << "the backup is not the user's file";

    EXPECT_TRUE(commands().mergeFile(changed));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Their speed");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "My trip");
    EXPECT_EQ(window->document().currentFile(), mine);
    EXPECT_EQ(title(*window), kEditingTitle + mine.toStdString());
    commands().save();
    EXPECT_TRUE(read(mine).contains("Their speed"));
    EXPECT_FALSE(read(changed).contains("My trip"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, OpenOrMergeOfAnotherFileTypeLoadsNothing)
{
    const QString file = folder.file(QStringLiteral("in.txt"));
    folder.write(QStringLiteral("in.txt"), folder.customDocument(QStringLiteral("From file")));
    for (bool merge : {false, true}) {
        ui.messages.clear();
        EXPECT_FALSE(merge ? commands().mergeFile(file) : commands().openFile(file));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Unknown file type ");
        EXPECT_EQ(ui.messages[0].title, "WARNING");
        EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref") << "the set is neither cleared nor loaded";
        EXPECT_TRUE(window->document().currentFile().isEmpty());
        EXPECT_EQ(title(*window), "Keypad data editor");
    }
}

TEST_F(FileCommandsTest, OpenOfAFileThatIsGoneKeepsTheSetInMemory)
{
    const QString file = folder.file(QStringLiteral("gone.kpd"));
    EXPECT_FALSE(commands().openFile(file));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_FALSE(window->document().app()->isAppDirty());
    EXPECT_TRUE(window->document().currentFile().isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
}

TEST_F(FileCommandsTest, CancellingTheOpenDialogDoesNothing)
{
    custom("m1", "p2").setDesc("edited");
    commands().open();
    commands().merge();
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(custom("m1", "p2").getDesc(), "edited");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, NewReloadsTheCustomLanguageFileOverTheSet)
{
    custom("m1", "p1").setDesc("edited");
    custom("m1", "p2").setDesc("kept");
    commands().newFile();
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_EQ(custom("m1", "p2").getDesc(), "kept") << "nothing is cleared before the load";
    EXPECT_TRUE(window->document().currentFile().isEmpty());
    EXPECT_EQ(title(*window), "Keypad data editor: - editing: New database");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, NewWithoutTheCustomLanguageFileSaysSoAndStillStartsANewDatabase)
{
    QFile::remove(folder.file(QStringLiteral("Custom.kpl")));
    commands().saveAsFile(folder.file(QStringLiteral("set.kpd")), SetFileCommands::KeypadFile);
    commands().newFile();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Could not find the file custom.kpl, please use 'Open' to select a file");
    EXPECT_EQ(ui.messages[0].title, "");
    EXPECT_EQ(title(*window), "Keypad data editor: - editing: New database");
    EXPECT_TRUE(window->document().currentFile().isEmpty());
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentFileAndMarksEverythingClean)
{
    const QString file = folder.file(QStringLiteral("set.kpd"));
    folder.write(QStringLiteral("set.kpd"), folder.customDocument(QStringLiteral("Old")));
    commands().openFile(file);
    custom("m1", "p1").setDesc("Saved text");
    commands().save();
    EXPECT_TRUE(dialogs.requests.empty()) << "a current file needs no dialog";
    EXPECT_TRUE(read(file).contains("<Desc>Saved text</Desc>")) << read(file).toStdString();
    EXPECT_FALSE(window->document().app()->isAppDirty());
}

TEST_F(FileCommandsTest, SaveWithoutACurrentFileAsksForOne)
{
    const QString file = folder.file(QStringLiteral("first.kpd"));
    answerFile(file);
    commands().save();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileChooser::Request& request = dialogs.requests[0];
    EXPECT_EQ(request.kind, FileChooser::Kind::Save);
    EXPECT_EQ(request.title, QStringLiteral("Save keypad string file"));
    EXPECT_EQ(request.filters,
              (QStringList{QStringLiteral("Keypad file (*.kpd)"), QStringLiteral("Downloadable hex file (*.hex)"),
                           QStringLiteral("Burnix file (*.bin)")}));
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(window->document().currentFile(), file);
    EXPECT_EQ(title(*window), kEditingTitle + file.toStdString());
}

TEST_F(FileCommandsTest, SaveAsOffersTheCurrentFileAndReplacesItsExtension)
{
    commands().saveAsFile(folder.file(QStringLiteral("one.kpd")), SetFileCommands::KeypadFile);
    answerFile(folder.file(QStringLiteral("two.txt")), SetFileCommands::KeypadFile);
    commands().saveAs();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].initialName, folder.file(QStringLiteral("one.kpd")));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("two.kpd"))).isFile());
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("two.txt"))).exists());
    EXPECT_EQ(window->document().currentFile(), folder.file(QStringLiteral("two.kpd")));
}

TEST_F(FileCommandsTest, SaveAsHexOrFlashingFileLeavesTheFileBeingEdited)
{
    const QString edited = folder.file(QStringLiteral("set.kpd"));
    commands().saveAsFile(edited, SetFileCommands::KeypadFile);
    EXPECT_TRUE(commands().saveAsFile(folder.file(QStringLiteral("image.txt")), SetFileCommands::HexFile));
    EXPECT_TRUE(read(folder.file(QStringLiteral("image.hex"))).endsWith(":00000001FF\r\n"));
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("image.txt"))).exists());
    EXPECT_TRUE(commands().saveAsFile(folder.file(QStringLiteral("image")), SetFileCommands::FlashingFile));
    const qint64 flashing = QFileInfo(folder.file(QStringLiteral("image.bin"))).size();
    EXPECT_GT(flashing, 0);
    EXPECT_EQ(flashing % 30, 0) << "whole 30-byte blocks";
    EXPECT_EQ(window->document().currentFile(), edited);
    EXPECT_EQ(title(*window), kEditingTitle + edited.toStdString());
}

TEST_F(FileCommandsTest, SaveAsWithAnotherFilterWritesNothing)
{
    EXPECT_FALSE(commands().saveAsFile(folder.file(QStringLiteral("x.kpd")), 4));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unknown file type ");
    EXPECT_EQ(ui.messages[0].title, "WARNING");
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("x.kpd"))).exists());
}

TEST_F(FileCommandsTest, AKeypadFileThatCouldNotBeWrittenDoesNotBecomeTheFileBeingEdited)
{
    const QString edited = folder.file(QStringLiteral("set.kpd"));
    commands().saveAsFile(edited, SetFileCommands::KeypadFile);
    custom("m1", "p1").setDesc("unsaved");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    EXPECT_FALSE(commands().saveAsFile(folder.file(QStringLiteral("missing/set.kpd")), SetFileCommands::KeypadFile));
    EXPECT_EQ(window->document().currentFile(), edited);
    EXPECT_EQ(title(*window), kEditingTitle + edited.toStdString());
    EXPECT_TRUE(window->document().app()->isAppDirty());
    ASSERT_EQ(ui.messages.size(), 1u);
}

TEST_F(FileCommandsTest, SaveConstantsWritesNoTextsAndKeepsThemUnsaved)
{
    custom("m1", "p1").setDesc("unsaved text");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    answerFile(folder.file(QStringLiteral("limits.kpc")));
    commands().saveConstants();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save keypad constants file"));
    EXPECT_EQ(dialogs.requests[0].filters, QStringList{QStringLiteral("Constants file (*.kpc)")});
    const QByteArray written = read(folder.file(QStringLiteral("limits.kpc")));
    EXPECT_TRUE(written.contains("uLim=\"1000\"")) << written.toStdString();
    EXPECT_FALSE(written.contains("unsaved text"));
    EXPECT_TRUE(window->document().app()->isAppDirty()) << "the text is still only in memory";
    EXPECT_FALSE(window->document().app()->getCustMenus().Item("m2").dirty()) << "menus that were clean stay clean";
    EXPECT_TRUE(window->document().currentFile().isEmpty());
}

TEST_F(FileCommandsTest, ClearAllAsksBacksUpAndEmptiesOnlyTheCustomSet)
{
    commands().clearAllData();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "This command will clear the all the string data in the editable set!\r\n"
                                   "Old data will be saved to autoBackup.kpd, do you want to proceed ");
    EXPECT_EQ(ui.messages[0].buttons, kpd::MessageButtons::YesNo);
    EXPECT_TRUE(read(commands().customSetBackupPath()).contains("<Desc>Custom ref</Desc>"));
    EXPECT_EQ(commands().customSetBackupPath(), QDir(folder.path()).filePath(QStringLiteral("autoBackup.kpd")));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "");
    EXPECT_EQ(custom("m1", "p1").getHelp(), "");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "");
    EXPECT_EQ(reference("m1", "p1").getDesc(), "Speed ref");
    EXPECT_TRUE(window->document().app()->isAppDirty());
}

TEST_F(FileCommandsTest, CopyRefToCustAsksBacksUpAndCopiesTheReferenceSet)
{
    commands().copyRefToCust();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "This command will change the all the string data in the editable set!\r\n"
                                   "Old data will be saved to autoBackup.kpd, do you want to proceed ");
    EXPECT_TRUE(read(commands().customSetBackupPath()).contains("<Desc>Custom ref</Desc>"));
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Speed ref");
    EXPECT_EQ(custom("m2", "p0").getDesc(), "Over volts");
    EXPECT_TRUE(window->document().app()->isAppDirty());
}

TEST_F(FileCommandsTest, AnsweringNoChangesNothingAndWritesNoBackup)
{
    ui.answers = {kpd::MessageAnswer::No, kpd::MessageAnswer::No};
    commands().clearAllData();
    commands().copyRefToCust();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(QFileInfo(commands().customSetBackupPath()).exists());
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_FALSE(window->document().app()->isAppDirty());
}

TEST_F(FileCommandsTest, WithoutItsBackupTheSetIsNeitherClearedNorReplaced)
{
    // A folder in the backup's place makes the backup fail.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("autoBackup.kpd")));
    commands().clearAllData();
    commands().copyRefToCust();
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref");
    EXPECT_EQ(ui.messages.size(), 4u) << "each question and each failed backup";
}

TEST_F(FileCommandsTest, TheMenusRunTheFileCommands)
{
    MainMenus& menus = window->menus();
    for (QAction* action : {menus.fileNew, menus.fileOpen, menus.fileSave, menus.fileSaveAs, menus.driveClearAll,
                            menus.driveMerge, menus.driveCopyRefToCust, menus.menuLoad, menus.menuSave, menus.menuClear,
                            menus.menuCopyRefToCust, menus.menuCopyLimitsOnly})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(menus.fileSaveConstants->isVisible());
    EXPECT_FALSE(menus.fileSaveConstants->isEnabled()) << "offered only in the alternate state";
    EXPECT_FALSE(menus.fileSaveAssembler->isEnabled());

    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    answerFile(file);
    menus.fileOpen->trigger();
    EXPECT_EQ(window->document().currentFile(), file);
    menus.menuClear->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No menu in focus");
}

TEST_F(FileCommandsTest, OpenAndNewOverUnsavedDataAskAndNoKeepsEverything)
{
    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    const QString edited = folder.file(QStringLiteral("set.kpd"));
    commands().saveAsFile(edited, SetFileCommands::KeypadFile);
    custom("m1", "p1").setDesc("unsaved");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);

    ui.answers = {kpd::MessageAnswer::No, kpd::MessageAnswer::No};
    EXPECT_FALSE(commands().openFile(file));
    commands().newFile();
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const kpd::test::RecordedMessage& question : ui.messages) {
        EXPECT_EQ(question.text, "There is unsaved data - do you really want to replace it?\r\n"
                                 "Old data will be saved to autoBackup.kpd");
        EXPECT_EQ(question.title, "WARNING");
        EXPECT_EQ(question.buttons, kpd::MessageButtons::YesNo);
    }
    EXPECT_EQ(custom("m1", "p1").getDesc(), "unsaved");
    EXPECT_TRUE(window->document().app()->isAppDirty());
    EXPECT_FALSE(QFileInfo(commands().customSetBackupPath()).exists());
    EXPECT_EQ(window->document().currentFile(), edited);
    EXPECT_EQ(title(*window), kEditingTitle + edited.toStdString());
}

TEST_F(FileCommandsTest, OpenAndNewOverUnsavedDataBackItUpBeforeReplacingIt)
{
    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    for (bool open : {true, false}) {
        QFile::remove(commands().customSetBackupPath());
        custom("m1", "p1").setDesc(open ? "unsaved before open" : "unsaved before new");
        window->document().app()->getCustMenus().Item("m1").setDirty(true);
        ui.messages.clear();
        if (open)
            EXPECT_TRUE(commands().openFile(file));
        else
            commands().newFile();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(
            read(commands().customSetBackupPath()).contains(open ? "unsaved before open" : "unsaved before new"));
        EXPECT_EQ(custom("m1", "p1").getDesc(), open ? "From file" : "Custom ref");
    }
}

TEST_F(FileCommandsTest, OpenOverSavedDataAsksNothingAndKeepsTheBackup)
{
    folder.write(QStringLiteral("autoBackup.kpd"), "earlier backup");
    const QString file = folder.file(QStringLiteral("in.kpd"));
    folder.write(QStringLiteral("in.kpd"), folder.customDocument(QStringLiteral("From file")));
    EXPECT_TRUE(commands().openFile(file));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(read(commands().customSetBackupPath()), QByteArray("earlier backup"));
}

TEST_F(FileCommandsTest, AFileThatLoadsOnlyInPartNeverBecomesTheFileThatSaveWrites)
{
    const QString edited = folder.file(QStringLiteral("set.kpd"));
    commands().saveAsFile(edited, SetFileCommands::KeypadFile);
    const QByteArray editedBytes = read(edited);
    QByteArray broken = folder.customDocument(QStringLiteral("Before the fault"));
    broken.insert(broken.indexOf("<Menu MenuID=\"m2\">"), "&broken;");
    folder.write(QStringLiteral("broken.kpd"), broken);
    const QString file = folder.file(QStringLiteral("broken.kpd"));

    for (bool merge : {false, true}) {
        ui.messages.clear();
        dialogs.requests.clear();
        EXPECT_FALSE(merge ? commands().mergeFile(file) : commands().openFile(file));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().title, "ERROR");
        EXPECT_EQ(custom("m1", "p1").getDesc(), "Before the fault") << "what came before the fault is kept";
        EXPECT_TRUE(window->document().currentFile().isEmpty());
        EXPECT_EQ(title(*window), kEditingTitle + file.toStdString() + " (incomplete)");

        commands().save();
        ASSERT_EQ(dialogs.requests.size(), 1u) << "Save asks for a name";
        EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save keypad string file"));
        EXPECT_TRUE(dialogs.requests[0].initialName.isEmpty());
        EXPECT_EQ(read(file), broken);
        EXPECT_EQ(read(edited), editedBytes);
    }

    const QString whole = folder.file(QStringLiteral("whole.kpd"));
    commands().saveAsFile(whole, SetFileCommands::KeypadFile);
    EXPECT_EQ(window->document().currentFile(), whole);
    EXPECT_EQ(title(*window), kEditingTitle + whole.toStdString());
}

TEST_F(FileCommandsTest, MenuNamesAndPathsReachTheDialogsAsTheirOwnCharacters)
{
    window->document().app()->getCustMenus().Item("m1").setMenuName("Vit\xE9sse");
    window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QStringLiteral("m1")}));
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(window->menuWindows().Item("m1").grid(), &focus);
    menuCommands().loadMenu();
    menuCommands().saveMenu();
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral(u"Partial load of Vit\u00E9sse from file"));
    EXPECT_EQ(dialogs.requests[1].title, QStringLiteral(u"Save keypad strings for menu: Vit\u00E9sse"));

    const QString missing = folder.file(QStringLiteral(u"caf\u00E9.kpd"));
    EXPECT_FALSE(commands().openFile(missing));
    const QString unwritable = folder.file(QStringLiteral(u"d\u00E9j\u00E0/set.kpd"));
    EXPECT_FALSE(commands().saveAsFile(unwritable, SetFileCommands::KeypadFile));
    const std::string folderText = folder.path().toStdString();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Could not find the file " + folderText + "/caf\xE9.kpd");
    EXPECT_EQ(ui.messages[1].text.rfind("Cannot write the file " + folderText + "/d\xE9j\xE0/set.kpd : ", 0), 0u)
        << ui.messages[1].text;
}
