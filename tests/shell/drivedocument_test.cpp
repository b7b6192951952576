#include "drivefolder.h"
#include "recordinguserinterface.h"

#include "model/theapp.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"

#include <QSettings>
#include <QSignalSpy>

#include <gtest/gtest.h>

// The commands need the document only: no main window is made here.
TEST(DriveDocument, LoadsOpensAFileAndChangesLanguageWithoutAWindow)
{
    QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
    DriveFolder folder;
    kpd::test::RecordingUserInterface ui;
    DriveDocument document(ui, folder.path());
    QSignalSpy titles(&document, &DriveDocument::titleChanged);
    QSignalSpy changes(&document, &DriveDocument::changed);
    ASSERT_TRUE(document.load());
    EXPECT_EQ(titles.takeLast().at(0).toString(), QStringLiteral("Keypad data editor[*]"));

    folder.write(QStringLiteral("mine.kpd"), folder.customDocument(QStringLiteral("Mine")));
    const QString file = folder.file(QStringLiteral("mine.kpd"));
    ASSERT_TRUE(SetFileCommands(document, nullptr).openFile(file));
    EXPECT_EQ(document.currentFile(), file);
    EXPECT_EQ(titles.takeLast().at(0).toString(),
              QStringLiteral("Keypad data editor: - editing: ") + file + QStringLiteral("[*]"));
    EXPECT_EQ(changes.count(), 1) << "the views are told once";
    EXPECT_EQ(document.app()->getCustMenus().Item("m1").Parameters().Item("p1").modes().Item("Open loop").getDesc(),
              "Mine");

    document.chooseLanguage(2);
    EXPECT_EQ(document.languageIndex(), 2);
    EXPECT_EQ(document.app()->getRefKey(), "French");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}
