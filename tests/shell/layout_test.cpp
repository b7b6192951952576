#include "layoutcheck.h"
#include "recordinguserinterface.h"
#include "startededitor.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/userinterface.h"
#include "shell/backgroundanalysis.h"
#include "shell/commands/comparecommands.h"
#include "shell/drivedocument.h"
#include "shell/folderpicker.h"
#include "shell/frame/aboutwindow.h"
#include "shell/frame/autosavewindow.h"
#include "shell/frame/controlregistration.h"
#include "shell/frame/helpwindow.h"
#include "shell/frame/mainwindow.h"
#include "shell/frmprogress.h"
#include "shell/panels/assemblerwindow.h"
#include "shell/panels/comparewindow.h"
#include "shell/panels/exportwindow.h"
#include "shell/splashwindow.h"
#include "views/menuview.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using kpd::test::fitsScreen;
using kpd::test::readableLayout;
using kpd::test::RecordingUserInterface;

namespace {

struct IdleOwner : kpd::ProgressOwner {
    std::int32_t progress() const override { return 40; }
    void stopProcess() override {}
};

class ShellLayoutTest : public StartedEditor<> {};

// Menu 1 and its first parameter under names longer than the tree's usual width.
class LongMenuNameLayoutTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        QFile configuration(folder.file(QStringLiteral("kpdconf.kpx")));
        ASSERT_TRUE(configuration.open(QIODevice::ReadOnly));
        folder.write(QStringLiteral("kpdconf.kpx"),
                     configuration.readAll()
                         .replace(R"(name="Speed")", R"(name="Speed references")")
                         .replace(R"(name="Reference")", R"(name="Reference select of source")"));
        StartedEditor<>::SetUp();
    }
};

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

TEST(LayoutCheck, ContentAScrollAreaCannotScrollToIsCutOff)
{
    QScrollArea area;
    area.resize(100, 100);
    area.setWidget(new QLabel(QStringLiteral("Wider than the area that shows it")));
    area.show();
    EXPECT_TRUE(readableLayout(&area));
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStringList faults = kpd::test::layoutFaults(&area);
    ASSERT_EQ(faults.size(), 1) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(faults[0].startsWith(QStringLiteral("cut off: QLabel")));
}

TEST_F(LongMenuNameLayoutTest, TheMainWindowFitsTheScreenShowsTheMenuNamesAndScrollsToItsGrids)
{
    window->show();
    EXPECT_TRUE(fitsScreen(window.get()));
    QTreeWidget* tree = window->tree();
    for (const MenuTree::Node& wanted : {MenuTree::Node{MenuTree::Node::Kind::Menu, QStringLiteral("m1")},
                                         MenuTree::Node{MenuTree::Node::Kind::Parameter, QStringLiteral("p1")}}) {
        QTreeWidgetItem* node = window->findNode(wanted);
        ASSERT_NE(node, nullptr) << wanted.key.toStdString();
        node->parent()->setExpanded(true);
        EXPECT_LE(tree->visualItemRect(node).x() + tree->fontMetrics().horizontalAdvance(node->text(0)),
                  tree->viewport()->width())
            << node->text(0).toStdString();
    }

    window->resize(QSize(1000, 640).boundedTo(window->size()));
    for (const MenuTree::Node& wanted : {MenuTree::Node{MenuTree::Node::Kind::Menu, QStringLiteral("m1")},
                                         MenuTree::Node{MenuTree::Node::Kind::Menu, QStringLiteral("trips")}}) {
        QTreeWidgetItem* node = window->findNode(wanted);
        ASSERT_NE(node, nullptr) << wanted.key.toStdString();
        window->selectNode(node);
    }
    ASSERT_EQ(window->menuWindows().Count(), 2);
    for (MenuView& view : window->menuWindows()) view.togglePanel(true);
    EXPECT_TRUE(readableLayout(window.get()));
    // A grid window made larger than the area is still reached by scrolling.
    QMdiArea* area = window->mdiArea();
    area->subWindowList().front()->resize(area->viewport()->size() + QSize(200, 200));
    EXPECT_TRUE(readableLayout(window.get()));
}

TEST_F(ShellLayoutTest, TheCompareWindowFitsTheScreenAndShowsEveryLineOfALongHelp)
{
    QTemporaryDir registry;
    const QByteArray previousRegistry = qgetenv("KPD_COMRT_REGISTRY");
    qputenv("KPD_COMRT_REGISTRY", registry.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    ASSERT_TRUE(comrt::succeeded(ControlRegistration::ensure(QStringLiteral(LCDTEXTBOX_FOLDER))));
    QByteArray help;
    for (int line = 1; line <= 12; ++line) help += "Line " + QByteArray::number(line) + "~M";
    folder.write(
        QStringLiteral("theirs.kpd"),
        folder.customDocument(QStringLiteral("Custom ref")).replace("<Help>Help</Help>", "<Help>" + help + "</Help>"));

    CompareWindow* compare =
        CompareCommands(window->document(), window.get()).openComparison(folder.file(QStringLiteral("theirs.kpd")));
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->analysis().waitUntilIdle(10000));
    const QModelIndexList helpItems =
        compare->model().match(compare->model().index(0, 0), Qt::DisplayRole, QStringLiteral("Help"), -1,
                               Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(helpItems.size(), 1);
    compare->tree()->setCurrentIndex(helpItems.front());
    QCoreApplication::processEvents();
    const auto* theirs = compare->findChild<LcdtextboxHost*>(QStringLiteral("gtbTheirs"));
    ASSERT_TRUE(theirs && theirs->widget());
    EXPECT_EQ(theirs->nRows(), 12);
    EXPECT_TRUE(fitsScreen(compare));
    EXPECT_TRUE(readableLayout(compare));
    qputenv("KPD_COMRT_REGISTRY", previousRegistry);
}
