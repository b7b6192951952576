#include "layoutcheck.h"
#include "recordinguserinterface.h"
#include "startededitor.h"

#include "shell/aboutwindow.h"
#include "shell/assemblerwindow.h"
#include "shell/autosavewindow.h"
#include "shell/exportwindow.h"
#include "shell/folderpicker.h"
#include "shell/frmprogress.h"
#include "shell/helpwindow.h"
#include "shell/mainwindow.h"
#include "shell/splashwindow.h"
#include "model/userinterface.h"
#include "views/menuview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>

#include <gtest/gtest.h>

using kpd::test::readableLayout;
using kpd::test::RecordingUserInterface;

namespace {

struct IdleOwner : kpd::ProgressOwner {
    std::int32_t progress() const override { return 40; }
    void stopProcess() override {}
};

class ShellLayoutTest : public StartedEditor<> {};

} // namespace

TEST(LayoutCheck, SeesOverlapsCutsAndClippedTextButNotFramesOrScrolledContent)
{
    QWidget window;
    window.resize(300, 200);
    auto* frame = new QGroupBox(QStringLiteral("Frame"), &window);
    frame->setGeometry(0, 0, 200, 100);
    auto* onFrame = new QPushButton(QStringLiteral("OK"), &window);
    onFrame->setGeometry(10, 30, 80, 30);
    auto* scroll = new QScrollArea(&window);
    scroll->setGeometry(210, 0, 80, 80);
    auto* content = new QLabel(QStringLiteral("Scrolled far beyond the viewport"));
    scroll->setWidget(content);
    window.show();
    EXPECT_TRUE(readableLayout(&window));

    auto* across = new QLabel(QStringLiteral("&Across"), &window);
    across->setGeometry(60, 40, 40, 40);
    across->show();
    auto* outside = new QCheckBox(QStringLiteral("Outside"), &window);
    outside->setGeometry(250, 180, 100, 30);
    outside->show();
    const QStringList faults = kpd::test::layoutFaults(&window);
    ASSERT_EQ(faults.size(), 3) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(faults[0].startsWith(QStringLiteral("clipped: the text of QLabel \"&Across\" is"))) << "no buddy";
    EXPECT_TRUE(faults[1].startsWith(QStringLiteral("cut off: QCheckBox \"Outside\" (250,180 100x30)")));
    EXPECT_TRUE(faults[2].startsWith(QStringLiteral("overlap: QPushButton \"OK\" (10,30 80x30) and QLabel")));
}

TEST(ShellLayout, TheExportDialogShowsEveryFrameAndCheckBoxWhole)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);
    ExportWindow dialog(ui, folder.path());
    dialog.show();
    EXPECT_TRUE(readableLayout(&dialog));
}

TEST(ShellLayout, TheShellsDialogsAreReadable)
{
    RecordingUserInterface ui;
    DriveFolder folder(0);

    AssemblerWindow assembler(ui, folder.path());
    assembler.show();
    EXPECT_TRUE(readableLayout(&assembler));

    FolderPicker picker(ui, folder.path());
    picker.show();
    EXPECT_TRUE(readableLayout(&picker));

    AutoSaveWindow autoSave;
    autoSave.show();
    EXPECT_TRUE(readableLayout(&autoSave));

    AboutWindow about(ui);
    about.show();
    EXPECT_TRUE(readableLayout(&about));

    SplashWindow splash;
    splash.setStatus(QStringLiteral("Loading the reference language French"));
    splash.show();
    EXPECT_TRUE(readableLayout(&splash));

    IdleOwner owner;
    frmProgress progress(ui);
    progress.setData(owner, 100, QStringLiteral("Compressing"));
    EXPECT_TRUE(readableLayout(&progress));
    progress.stopProgress();

    HelpWindow help;
    help.openFile(folder.file(QStringLiteral("no help here.hlp")));
    help.show();
    EXPECT_TRUE(readableLayout(&help));
}

TEST_F(ShellLayoutTest, TheMainWindowWithTwoMenuGridsOpenIsReadable)
{
    window->resize(1000, 640);
    window->show();
    for (const QString& tag : {QStringLiteral("menum1"), QStringLiteral("menutrips")}) {
        QTreeWidgetItem* node = window->findNode(tag);
        ASSERT_NE(node, nullptr) << tag.toStdString();
        window->selectNode(node);
    }
    ASSERT_EQ(window->menuWindows().Count(), 2);
    for (MenuView& view : window->menuWindows()) view.togglePanel(true);
    EXPECT_TRUE(readableLayout(window.get()));
}
