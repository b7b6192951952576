#include "recordinguserinterface.h"
#include "startededitor.h"

#include "shell/commands/exportcommands.h"
#include "shell/drivedocument.h"
#include "shell/folderpicker.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"
#include "shell/panels/assemblerwindow.h"
#include "shell/panels/exportwindow.h"
#include "xmlfiles/textexport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>

#include <gtest/gtest.h>

using kpd::test::RecordingUserInterface;

namespace {

// Presses Stop as soon as the assembler text is being made, when told to.
class StoppingUserInterface : public RecordingUserInterface {
public:
    std::unique_ptr<kpd::ProgressWindow> openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                      const std::string& caption) override
    {
        if (stopAssembler && caption == "creating assembler strings") owner.stopProcess();
        return RecordingUserInterface::openProgress(owner, range, caption);
    }

    bool stopAssembler = false;
};

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportCommandsTest : public StartedEditor<StoppingUserInterface> {
protected:
    void SetUp() override
    {
        StartedEditor<StoppingUserInterface>::SetUp();
        ui.messages.clear();
    }
};

} // namespace

TEST(ExportWindowTest, OpensWithTheDefaultNameAndNoOptions)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    ExportWindow dialog(ui, folder.path());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export text"));
    EXPECT_EQ(dialog.width(), 372);
    EXPECT_GE(dialog.height(), 479) << "taller only where the font needs the room";
    EXPECT_EQ(dialog.fileName(), QStringLiteral("AFileName"));
    EXPECT_EQ(dialog.folder(), QDir(folder.path()).absolutePath());
    EXPECT_FALSE(dialog.accepted());
    EXPECT_EQ(dialog.options(), 0);
}

TEST(ExportWindowTest, TheMaskHoldsTheBitOfEveryTickedBox)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    ExportWindow dialog(ui, folder.path());
    for (const char* name : {"chkCDF", "chkPrtPar", "chkOpenLoop", "chkRegen", "chkPrtDesc", "chkQuotes"})
        dialog.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(true);
    dialog.save();
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(dialog.options(), 1 + 4 + 32 + 256 + 1024 + 8192);
    EXPECT_EQ(dialog.fileName(), QStringLiteral("AFileName.csv"));
    EXPECT_EQ(dialog.path(), QDir(folder.path()).absoluteFilePath(QStringLiteral("AFileName.csv")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ExportWindowTest, TheFileNameRuleKeepsTheDialogOpen)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    for (const char* bad : {"", "abcdefghijklmnopqrst", "name.txt", "my_name", "na-me"}) {
        ExportWindow dialog(ui, folder.path());
        ui.messages.clear();
        dialog.fileNameBox()->setText(QString::fromLatin1(bad));
        dialog.save();
        EXPECT_FALSE(dialog.accepted()) << bad;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        ASSERT_EQ(ui.messages.size(), 1u) << bad;
        EXPECT_EQ(ui.messages[0].text, "Sorry file name must: not be empty, less than 20 characters and use: "
                                       "0 - 9, A - Z, a - z or space");
        EXPECT_EQ(dialog.fileName(), QString::fromLatin1(bad)) << "no extension is added";
    }
    ExportWindow dialog(ui, folder.path());
    dialog.optionBox(kpd::kExportParamName)->setChecked(true);
    dialog.fileNameBox()->setText(QStringLiteral("Nineteen letters 19"));
    dialog.save();
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(dialog.fileName(), QStringLiteral("Nineteen letters 19.txt"));
}

TEST(ExportWindowTest, OptionsThatWouldWriteEmptyLinesKeepTheDialogOpen)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    ExportWindow dialog(ui, folder.path());
    dialog.optionBox(kpd::kExportDescription)->setChecked(true);
    dialog.save();
    EXPECT_FALSE(dialog.accepted()) << "a mode field without a mode";
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{ExportWindow::kNothingToExport}));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("AFileName"));
    dialog.optionBox(kpd::kExportServo)->setChecked(true);
    dialog.save();
    EXPECT_TRUE(dialog.accepted());
}

TEST(FolderPickerTest, NewFolderAsksUntilTheNameIsAcceptableAndMovesIntoIt)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    FolderPicker picker(ui, folder.path());
    QStringList prompts;
    QStringList answers{QStringLiteral("bad-name"), QStringLiteral("caf\u00e9"), QStringLiteral("new folder")};
    picker.setAsker([&](const QString& prompt) {
        prompts << prompt;
        return answers.takeFirst();
    });
    picker.newFolder();
    EXPECT_EQ(prompts, (QStringList{QString::fromLatin1(FolderPicker::kNewFolderPrompt),
                                    QString::fromLatin1(FolderPicker::kBadFolderPrompt),
                                    QString::fromLatin1(FolderPicker::kBadFolderPrompt)}));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("new folder"))).isDir());
    EXPECT_EQ(picker.folder(), QDir(folder.file(QStringLiteral("new folder"))).absolutePath());
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("bad-name"))).exists());
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FolderPickerTest, AnEmptyAnswerCancelsAndAFailureKeepsTheFolder)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    FolderPicker picker(ui, folder.path());
    const QString start = picker.folder();
    QStringList answers{QStringLiteral("bad.name"), QString()};
    picker.setAsker([&](const QString&) { return answers.takeFirst(); });
    picker.newFolder();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(picker.createFolder(QStringLiteral("taken")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Couldnt create dir");
    EXPECT_EQ(picker.folder(), start);
}

TEST(FolderPickerTest, TheFolderListWalksDownAndUp)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("out/deeper")));
    FolderPicker picker(ui, folder.path());
    QListWidget* list = picker.folderList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral(".."));
    emit list->itemActivated(list->item(1));
    EXPECT_EQ(picker.folder(), QDir(folder.file(QStringLiteral("out"))).absolutePath());
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("deeper"));
    emit list->itemActivated(list->item(0));
    EXPECT_EQ(picker.folder(), QDir(folder.path()).absolutePath());
    EXPECT_FALSE(picker.setFolder(folder.file(QStringLiteral("missing"))));
    EXPECT_EQ(picker.folder(), QDir(folder.path()).absolutePath());
    EXPECT_FALSE(picker.chooseDrive(picker.driveList()->count())) << "no such drive";
    EXPECT_EQ(picker.folder(), QDir(folder.path()).absolutePath());
}

TEST_F(ExportCommandsTest, ExportWritesTheCustomSetAsATable)
{
    using namespace kpd;
    const QString path = folder.file(QStringLiteral("table.csv"));
    EXPECT_TRUE(ExportCommands(window->document(), window.get())
                    .exportTo(path, kExportComma | kExportParamName | kExportMenuNumber | kExportParamNumber |
                                        kExportOpenLoop | kExportDescription));
    EXPECT_EQ(read(path), QByteArray("Zarvik Veltrane VX Lumikey text export\r\n"
                                     "Reference,1,1,Custom ref,\r\n"
                                     "Maximum,1,2,,\r\n"
                                     "Trip store,2,0,Custom trip,\r\n"));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("Texts exported to ") + QDir::toNativeSeparators(path));
}

TEST_F(ExportCommandsTest, DecliningToOverwriteWritesNothing)
{
    folder.write(QStringLiteral("table.txt"), "old table");
    ui.answers = {kpd::MessageAnswer::No};
    EXPECT_FALSE(ExportCommands(window->document(), window.get())
                     .exportTo(folder.file(QStringLiteral("table.txt")), kpd::kExportDescription));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "File already exists do you want to overwrite?");
    EXPECT_EQ(read(folder.file(QStringLiteral("table.txt"))), QByteArray("old table"));
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty()) << "nothing was written";
}

TEST_F(ExportCommandsTest, AFileThatCannotBeWrittenIsReportedNotThrown)
{
    EXPECT_FALSE(
        ExportCommands(window->document(), window.get()).exportTo(folder.file(QStringLiteral("missing/table.txt")), 0));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
}

TEST(AssemblerWindowTest, StartsOnEnglishAndRemembersTheChoice)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    AssemblerWindow dialog(ui, folder.path());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save assembler file"));
    EXPECT_EQ(dialog.languageIndex(), 0);
    EXPECT_TRUE(dialog.languageButton(0)->isChecked());
    EXPECT_FALSE(dialog.confirmed());
    dialog.languageButton(3)->setChecked(true);
    EXPECT_EQ(dialog.languageIndex(), 3);
    dialog.save();
    EXPECT_TRUE(dialog.confirmed());
}

TEST_F(ExportCommandsTest, TheAssemblerFileIsNamedAfterTheLanguageAndHoldsTheSameBytes)
{
    EXPECT_EQ(ExportCommands::assemblerLanguage(1), QStringLiteral("custom"));
    EXPECT_EQ(ExportCommands::assemblerLanguage(5), QStringLiteral("italian"));
    EXPECT_EQ(ExportCommands::assemblerLanguage(6), QStringLiteral("english"));
    EXPECT_EQ(ExportCommands::assemblerLanguage(-1), QStringLiteral("english"));

    ExportCommands commands(window->document(), window.get());
    const QString custom = commands.saveAssemblerFile(folder.path(), 1);
    EXPECT_EQ(custom, QDir(folder.path()).filePath(QStringLiteral("custom_stringdb.asm")));
    const QList<QByteArray> lines = read(custom).split('\n');
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(lines[0], "; compressed string database (custom)\r");
    EXPECT_EQ(lines[4], "            NAME     custom_stringdb\r");
    EXPECT_EQ(lines[6], "custom_database    SECTION  HDAT  BYTE\r");
    EXPECT_EQ(lines[lines.size() - 3], "custom_database    ENDS\r");
    EXPECT_EQ(lines[lines.size() - 2], "            END\r");

    const QList<QByteArray> english = read(commands.saveAssemblerFile(folder.path(), 0)).split('\n');
    ASSERT_EQ(english.size(), lines.size());
    for (qsizetype i = 7; i < lines.size() - 3; ++i) EXPECT_EQ(english[i], lines[i]) << "data line " << i;
}

TEST_F(ExportCommandsTest, AStoppedAssemblerTextReplacesNoFile)
{
    ui.stopAssembler = true;
    folder.write(QStringLiteral("english_stringdb.asm"), "good module");
    EXPECT_TRUE(ExportCommands(window->document(), window.get()).saveAssemblerFile(folder.path(), 0).isEmpty());
    EXPECT_EQ(read(folder.file(QStringLiteral("english_stringdb.asm"))), QByteArray("good module"));
}

TEST_F(ExportCommandsTest, ExportIsOfferedAndTheAssemblerFileOnlyInTheAlternateState)
{
    EXPECT_TRUE(window->menus().fileExport->isEnabled());
    EXPECT_FALSE(window->menus().fileSaveAssembler->isVisible());
    EXPECT_FALSE(window->menus().fileSaveAssembler->isEnabled());
}
