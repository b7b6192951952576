#include "startededitor.h"

#include "cli/kpdtool.h"
#include "layoutcheck.h"

#include "checks/reviewmarks.h"
#include "checks/textrows.h"
#include "keypadtext/lcdglyphs.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/spellingsession.h"
#include "shell/backgroundanalysis.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/frame/controlregistration.h"
#include "shell/frame/mainmenus.h"
#include "shell/keypaddisplaymimic.h"
#include "shell/panels/budgetmeter.h"
#include "shell/panels/findreplacedialog.h"
#include "shell/panels/keypadlinesdelegate.h"
#include "shell/panels/problemspanel.h"
#include "shell/panels/reviewmarksfile.h"
#include "shell/panels/sizereportwindow.h"
#include "shell/panels/textslistmodel.h"
#include "shell/panels/textspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <regex>
#include <sstream>

namespace {

using kpd::test::fitsScreen;
using kpd::test::readableLayout;
using Status = kpd::TextRows::Status;

// The editor on a copy of the bundled sample drive, with its texts list shown.
class TextsPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        ASSERT_TRUE(comrt::succeeded(ControlRegistration::ensure(QStringLiteral(LCDTEXTBOX_FOLDER))));
        QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
        const QDir sample(QStringLiteral(KPD_SOURCE_DIR "/data"));
        for (const QString& name : sample.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(sample.filePath(name), folder.file(name)));
        window = std::make_unique<MainWindow>(ui, folder.path());
        ASSERT_TRUE(window->load());
        window->show();
        panel = window->findChild<TextsPanel*>();
        ASSERT_NE(panel, nullptr);
        window->menus().driveTexts->trigger();
        ASSERT_TRUE(panel->isVisible()) << "Drive > Texts shows the panel";
        ASSERT_NE(panel->rows(), nullptr);
    }

    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }

    kpd::ModeData& record(std::size_t row) const { return *panel->rows()->row(row).mode; }
    // The first list row from which `count` rows in a row can be written.
    int writableRun(int count) const
    {
        for (int first = 0, run = 0; first + run < panel->model()->rowCount();) {
            if (!panel->rows()->editable(textRow(first + run)))
                first += run + 1, run = 0;
            else if (++run == count)
                return first;
        }
        ADD_FAILURE() << "no " << count << " writable rows";
        return 0;
    }
    std::size_t textRow(int listRow) const { return panel->model()->textRow(listRow); }

    void typeInBox(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        panel->box()->setText(text);
        QTest::keyClick(panel->box()->widget(), Qt::Key_Return, modifiers);
    }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
    DriveFolder folder{0};
    kpd::test::RecordingUserInterface ui;
    std::unique_ptr<MainWindow> window;
    TextsPanel* panel = nullptr;
};

TEST_F(TextsPanelTest, StatusesCountAsTheProblemsPanelAndKpdtoolCheckCountThem)
{
    // Spelling counts too, once the custom set's dictionary is there.
    SpellingSession::instance().checker(*window->document().app());
    ASSERT_TRUE(SpellingSession::instance().waitUntilLoaded(10000));
    kpd::TextRows& rows = *panel->rows();
    ASSERT_GT(rows.size(), 100u);
    // A few faults besides the sample's unchanged texts, each on a text of its own.
    const std::size_t overflow = 0, empty = 2, trailing = 4;
    rows.setText(overflow, "A description far too long for two lines of the keypad");
    rows.setText(empty, "");
    rows.setText(trailing, "Spaces  ");
    window->windowArea().refreshMenuWindows();
    EXPECT_TRUE(rows.has(overflow, Status::Problem));
    EXPECT_TRUE(rows.has(trailing, Status::Edited));
    const std::map<kpd::ProblemKind, int> counts = rows.countsByKind();
    EXPECT_GT(counts.at(kpd::ProblemKind::Unchanged), 0);

    window->problemsPanel()->translation()->setChecked(true);
    window->problemsPanel()->analysis().runNow();
    ASSERT_TRUE(window->problemsPanel()->analysis().waitUntilIdle(10000));
    EXPECT_EQ(window->problemsPanel()->list().countsByKind(), counts);

    const QString file = folder.file(QStringLiteral("seeded.kpd"));
    ASSERT_TRUE(window->setFileCommands().saveAsFile(file, SetFileCommands::KeypadFile));
    std::ostringstream out, err;
    kpd::KpdTool tool(out, err, folder.path().toStdString());
    tool.run({"check", file.toStdString(), "--json", "--kinds", "all"});
    for (const auto& [kind, count] : counts) {
        std::smatch match;
        const std::string printed = out.str();
        const std::string name(kpd::kindName(kind));
        ASSERT_TRUE(std::regex_search(printed, match, std::regex("\"" + name + "\": ([0-9]+)[,}]"))) << name;
        EXPECT_EQ(std::stoi(match[1]), count) << name;
    }

    panel->findChild<QComboBox*>(QStringLiteral("cboStatus"))->setCurrentIndex(static_cast<int>(Status::Empty) + 1);
    EXPECT_EQ(panel->model()->rowCount(), counts.at(kpd::ProblemKind::Empty));
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
              QString::number(counts.at(kpd::ProblemKind::Empty)) + QStringLiteral(" of ") +
                  QString::number(rows.size()));
}

TEST_F(TextsPanelTest, EnterWritesFiveRowsInTurnAndUndoBringsEachBack)
{
    panel->findChild<QComboBox*>(QStringLiteral("cboField"))->setCurrentIndex(1);
    const int first = writableRun(6);
    panel->selectRow(first);
    std::vector<std::pair<std::size_t, std::string>> before;
    for (int k = 0; k < 5; ++k) {
        const std::size_t row = textRow(first + k);
        EXPECT_EQ(panel->currentRow(), first + k);
        before.emplace_back(row, record(row).getDesc());
        typeInBox(QStringLiteral("Text %1").arg(k));
        EXPECT_EQ(record(row).getDesc(), "Text " + std::to_string(k));
    }
    EXPECT_EQ(panel->currentRow(), first + 5);
    EXPECT_TRUE(window->document().app()->isAppDirty());

    typeInBox(QStringLiteral("Stays"), Qt::ControlModifier);
    EXPECT_EQ(panel->currentRow(), first + 5) << "Ctrl+Enter writes and stays";
    panel->box()->setText(QStringLiteral("Typed"));
    QTest::keyClick(panel->box()->widget(), Qt::Key_Escape);
    EXPECT_EQ(panel->box()->text(), QStringLiteral("Stays"));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int k = 0; k < 5; ++k) {
        panel->selectRow(first + k);
        // Ctrl+Z from the box the translator types in.
        panel->box()->widget()->setFocus();
        QTest::keyClick(panel->box()->widget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(record(before[static_cast<std::size_t>(k)].first).getDesc(),
                  before[static_cast<std::size_t>(k)].second);
    }
}

TEST_F(TextsPanelTest, NextUntranslatedPassesOverDoneTexts)
{
    panel->selectRow(1);
    panel->setDone(true);
    panel->selectRow(2);
    panel->setDone(true);
    panel->selectRow(0);
    QTest::keyClick(panel->list(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(panel->currentRow(), 3);
    QTest::keyClick(panel->list(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(panel->currentRow(), 0);
}

TEST_F(TextsPanelTest, DoneMarksAndNotesLiveBesideTheFileWhichStaysByteIdentical)
{
    const QString plain = folder.file(QStringLiteral("plain.kpd"));
    ASSERT_TRUE(window->setFileCommands().saveAsFile(plain, SetFileCommands::KeypadFile));
    const QString marked = folder.file(QStringLiteral("marked.kpd"));
    ASSERT_TRUE(window->setFileCommands().saveAsFile(marked, SetFileCommands::KeypadFile));
    const int first = writableRun(2);
    panel->selectRow(first);
    const kpd::TextKey key = panel->rows()->key(textRow(first));
    panel->setDone(true);
    panel->setNote(QStringLiteral("Checked with the drive team\tand reworded"));
    panel->selectRow(first + 1);
    panel->setDone(true);
    typeInBox(QStringLiteral("Reworded"), Qt::ControlModifier);
    EXPECT_FALSE(panel->findChild<QCheckBox*>(QStringLiteral("chkDone"))->isChecked())
        << "a text edited after it was marked done loses the mark";
    ASSERT_TRUE(window->setFileCommands().saveAsFile(marked, SetFileCommands::KeypadFile));
    ASSERT_TRUE(window->setFileCommands().saveAsFile(plain, SetFileCommands::KeypadFile));
    QFile a(plain), b(marked);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_TRUE(QFile::exists(marked + QStringLiteral(".review")));

    ASSERT_TRUE(window->setFileCommands().openFile(marked));
    const std::optional<std::size_t> row = panel->rows()->indexOf(key);
    ASSERT_TRUE(row);
    EXPECT_TRUE(panel->rows()->has(*row, Status::Done));
    EXPECT_EQ(panel->rows()->marks().note(key), "Checked with the drive team\tand reworded");
    EXPECT_FALSE(panel->rows()->has(*row + 1, Status::Done));
}

TEST_F(TextsPanelTest, AReplacementThatWouldOverflowIsLeftOutAndTheRunUndoesAsOneStep)
{
    kpd::TextRows& rows = *panel->rows();
    panel->findChild<QComboBox*>(QStringLiteral("cboField"))->setCurrentIndex(1);
    const int first = writableRun(4);
    const std::size_t a = textRow(first), b = textRow(first + 1), c = textRow(first + 2), d = textRow(first + 3);
    rows.setText(a, "Zorb ref");
    rows.setText(b, "Max ZORB");
    // 22 characters and 11 more: one past the two lines of 16.
    rows.setText(c, "Zorb limit at 01234567");
    rows.setText(d, "Zorbing");
    FindReplaceDialog* dialog = panel->findReplace();
    kpd::FindReplace::Options options;
    options.find = "zorb";
    options.replace = "Rotational zorb";
    options.wholeWord = true;
    dialog->setOptions(options);
    dialog->preview();
    QTableWidget* results = dialog->results();
    ASSERT_EQ(results->rowCount(), 3) << "a whole word, in any case";
    EXPECT_EQ(results->item(0, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(results->item(2, 0)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(results->item(2, 4)->text().contains(QStringLiteral("overflow")));
    dialog->replace();
    EXPECT_EQ(rows.text(a), "Rotational zorb ref");
    EXPECT_EQ(rows.text(b), "Max Rotational zorb");
    EXPECT_EQ(rows.text(c), "Zorb limit at 01234567");
    EXPECT_TRUE(dialog->summary()->text().startsWith(QStringLiteral("2 replacements in 2 texts")))
        << dialog->summary()->text().toStdString();

    dialog->undoReplace();
    EXPECT_EQ(rows.text(a), "Zorb ref");
    EXPECT_EQ(rows.text(b), "Max ZORB");
}

TEST_F(TextsPanelTest, SortingKeepsTheRowBeingEditedAndBytesFollowTheBudget)
{
    window->budgetMeter()->analysis().runNow();
    ASSERT_TRUE(window->budgetMeter()->analysis().waitUntilIdle(10000));
    const TextsListModel& model = *panel->model();
    panel->selectRow(5);
    const std::size_t kept = textRow(5);
    panel->list()->sortByColumn(TextsListModel::Bytes, Qt::DescendingOrder);
    ASSERT_TRUE(panel->currentRow());
    EXPECT_EQ(textRow(*panel->currentRow()), kept);
    const auto bytes = [&](int r) { return model.data(model.index(r, TextsListModel::Bytes)).toLongLong(); };
    EXPECT_GT(bytes(model.rowCount() / 2), 0);
    EXPECT_GE(bytes(0), bytes(model.rowCount() / 2));
    EXPECT_GE(bytes(model.rowCount() / 2), bytes(model.rowCount() - 1));
}

TEST_F(TextsPanelTest, EditsMadeElsewhereShowAndANewSetDropsTheMarks)
{
    kpd::TextRows& rows = *panel->rows();
    panel->selectRow(3);
    const std::size_t row = textRow(3);
    panel->setDone(true);
    panel->hide();
    if (rows.row(row).field == kpd::TextField::Description)
        record(row).setDesc("Changed elsewhere");
    else
        record(row).setHelp("Changed elsewhere");
    window->windowArea().refreshMenuWindows();
    const QString before = panel->model()->data(panel->model()->index(3, TextsListModel::Status)).toString();
    panel->show();
    EXPECT_EQ(panel->currentRow(), 3);
    EXPECT_NE(panel->model()->data(panel->model()->index(3, TextsListModel::Status)).toString(), before)
        << "checked again when shown";
    EXPECT_TRUE(rows.has(row, Status::Edited));
    EXPECT_FALSE(rows.has(row, Status::Done)) << "changed since it was marked";
    panel->setDone(true);
    EXPECT_EQ(rows.shownStatus(row), Status::Done);

    window->document().app()->setAppClean();
    window->setFileCommands().newFile();
    EXPECT_FALSE(panel->rows()->has(row, Status::Done));
    EXPECT_FALSE(panel->rows()->has(row, Status::Edited)) << "edits count from the new set";
}

TEST_F(TextsPanelTest, FindListsReferenceMatchesTooAndABadExpressionIsReported)
{
    FindReplaceDialog* dialog = panel->findReplace();
    kpd::FindReplace::Options options;
    options.find = "Parameter zero";
    options.matchCase = true;
    dialog->setOptions(options);
    dialog->find();
    const int custom = dialog->results()->rowCount();
    EXPECT_GT(custom, 0);
    options.inReferences = true;
    dialog->setOptions(options);
    dialog->find();
    EXPECT_EQ(dialog->results()->rowCount(), 2 * custom) << "the sample's custom texts are the reference's";

    options.find = "(";
    options.regularExpression = true;
    dialog->setOptions(options);
    dialog->find();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().title, "ERROR");
}

TEST_F(TextsPanelTest, TheBoxFollowsTheRowItsReferencesAndWhatMayBeWritten)
{
    window->windowArea().setExtraReferences({QStringLiteral("French"), QStringLiteral("German")});
    const int first = writableRun(1);
    panel->selectRow(first);
    const std::size_t row = textRow(first);
    EXPECT_EQ(panel->box()->text(), toQt(panel->rows()->text(row)));
    EXPECT_EQ(panel->findChildren<QLabel*>(QStringLiteral("lblReference")).size(), 3) << "English, French, German";
    const bool help = panel->rows()->row(row).field == kpd::TextField::Help;
    EXPECT_EQ(panel->box()->lineLimit(), help ? 0 : 2);

    QTest::keyClick(panel->box()->widget(), Qt::Key_End);
    QTest::keyClick(panel->box()->widget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(panel->currentRow(), first) << "Shift+Enter stays in the box";

    // A mode the parameter does not define has nothing to write.
    for (std::size_t r = 0; r < panel->rows()->size(); ++r) {
        if (panel->rows()->editable(r)) continue;
        const std::optional<int> at = panel->model()->listRow(r);
        ASSERT_TRUE(at);
        panel->selectRow(*at);
        EXPECT_FALSE(panel->box()->Enabled());
        EXPECT_FALSE(panel->rows()->setText(r, "Refused"));
        return;
    }
}

TEST_F(TextsPanelTest, AReplacementRunSaysWhatItSavesAndLeavesATextEditedSinceThePreviewAlone)
{
    window->budgetMeter()->analysis().runNow();
    ASSERT_TRUE(window->budgetMeter()->analysis().waitUntilIdle(10000));
    kpd::TextRows& rows = *panel->rows();
    panel->findChild<QComboBox*>(QStringLiteral("cboField"))->setCurrentIndex(1);
    const int first = writableRun(2);
    const std::size_t a = textRow(first), b = textRow(first + 1);
    rows.setText(a, "Quux quux quux quux");
    rows.setText(b, "Quux");
    FindReplaceDialog* dialog = panel->findReplace();
    kpd::FindReplace::Options options;
    options.find = "quux";
    dialog->setOptions(options);
    dialog->preview();
    ASSERT_EQ(dialog->results()->rowCount(), 2);
    rows.setText(b, "Quux, edited meanwhile");
    dialog->replace();
    EXPECT_EQ(rows.text(a), "   ");
    EXPECT_EQ(rows.text(b), "Quux, edited meanwhile");
    EXPECT_TRUE(dialog->summary()->text().contains(QStringLiteral("saves ")))
        << dialog->summary()->text().toStdString();
    EXPECT_TRUE(dialog->summary()->text().startsWith(QStringLiteral("4 replacements in 1 texts")));
}

TEST_F(TextsPanelTest, AnotherDriveFolderGivesTheListTheRowsOfItsOwnDrive)
{
    DriveFolder other;
    const std::size_t before = panel->rows()->size();
    ASSERT_TRUE(window->document().switchDriveFolder(other.path()));
    ASSERT_NE(panel->rows(), nullptr);
    EXPECT_EQ(&panel->rows()->app(), window->document().app());
    EXPECT_LT(panel->rows()->size(), before);
    EXPECT_EQ(panel->model()->rowCount(), static_cast<int>(panel->rows()->size()));
    EXPECT_TRUE(panel->model()->data(panel->model()->index(0, TextsListModel::Menu)).isValid());
}

TEST_F(TextsPanelTest, TheMenuFilterAndTheNameSortKeepToTheirRows)
{
    QComboBox* menus = panel->findChild<QComboBox*>(QStringLiteral("cboMenu"));
    ASSERT_GT(menus->count(), 2);
    menus->setCurrentIndex(2);
    const std::string menuKey = toModel(menus->currentData().toString());
    const TextsListModel& model = *panel->model();
    ASSERT_GT(model.rowCount(), 0);
    for (int r = 0; r < model.rowCount(); ++r) ASSERT_EQ(panel->rows()->row(textRow(r)).menu->menuKey(), menuKey);
    panel->list()->sortByColumn(TextsListModel::Parameter, Qt::AscendingOrder);
    for (int r = 1; r < model.rowCount(); ++r)
        ASSERT_LE(panel->rows()->row(textRow(r - 1)).param->paraName(),
                  panel->rows()->row(textRow(r)).param->paraName());
}

TEST(KeypadLinesDelegate, DrawsEachCharacterAsItsGlyphAndCountsTheLinesBeyondTheRow)
{
    QStandardItemModel model(1, 1);
    const QByteArray text("A234567890123456~Msecond~Mthird");
    model.setData(model.index(0, 0), text, TextsListModel::EscapedRole);
    KeypadLinesDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), delegate.sizeHint(option, model.index(0, 0)) + QSize(0, 1));
    QImage image(option.rect.size() + QSize(40, 0), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    painter.end();
    const lcd::GlyphRows glyph = lcd::glyphRows('A');
    const QColor background = KeypadDisplayMimic::background();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool lit = glyph[static_cast<std::size_t>(y)] & (0x10 >> x);
            const QColor dot = image.pixelColor(KeypadLinesDelegate::kMargin + x, KeypadLinesDelegate::kMargin + y);
            EXPECT_EQ(dot != background, lit) << x << "," << y;
        }
    // "+1" for the third line: some text is drawn right of the display.
    bool marked = false;
    for (int x = KeypadLinesDelegate::columnWidth() - 22; x < image.width() && !marked; ++x)
        for (int y = 0; y < image.height() && !marked; ++y)
            marked =
                image.pixelColor(x, y) != QColor(Qt::white) && image.pixelColor(x, y) != option.palette.base().color();
    EXPECT_TRUE(marked);
}

TEST(ReviewMarksFile, FailuresAreShownAndTheMarksInMemoryStay)
{
    kpd::test::RecordingUserInterface ui;
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("drive.kpd"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("drive.kpd.review")));
    ReviewMarksFile file(ui);
    file.open(data);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_NE(ui.messages[0].text.find("drive.kpd.review"), std::string::npos) << ui.messages[0].text;
    file.marks().setNote({"m1", "p1", "A"}, "note");
    file.write(data);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "ERROR");
    EXPECT_EQ(file.marks().note({"m1", "p1", "A"}), "note");
}

TEST_F(TextsPanelTest, TheSizeReportNamesMenusAndParametersBesideTheirKeys)
{
    window->budgetMeter()->analysis().runNow();
    ASSERT_TRUE(window->budgetMeter()->analysis().waitUntilIdle(10000));
    SizeReportWindow* report = window->sizeReport();
    QTableWidget* params = report->table(SizeReportWindow::Parameters);
    ASSERT_GT(params->rowCount(), 0);
    const QTableWidgetItem* first = params->item(0, 0);
    const kpd::DrvMenu& menu =
        window->document().app()->getCustMenus().Item(toModel(first->data(SizeReportWindow::MenuKeyRole).toString()));
    const kpd::Parameter& param =
        menu.Parameters().Item(toModel(first->data(SizeReportWindow::ParaKeyRole).toString()));
    ASSERT_FALSE(param.paraName().empty());
    EXPECT_EQ(params->item(0, 0)->text(), toQt(menu.menuKey()) + QStringLiteral(" ") + toQt(menu.menuName()));
    EXPECT_EQ(params->item(0, 1)->text(), toQt(param.paraKey()) + QStringLiteral(" ") + toQt(param.paraName()));
    const QTableWidgetItem* menuRow = report->table(SizeReportWindow::Menus)->item(0, 0);
    const kpd::DrvMenu& listed =
        window->document().app()->getCustMenus().Item(toModel(menuRow->data(SizeReportWindow::MenuKeyRole).toString()));
    EXPECT_EQ(menuRow->text(), toQt(listed.menuKey()) + QStringLiteral(" ") + toQt(listed.menuName()));
}

TEST_F(TextsPanelTest, ThePanelAndTheFindDialogAreReadable)
{
    EXPECT_TRUE(readableLayout(panel));
    EXPECT_TRUE(fitsScreen(panel));
    FindReplaceDialog* dialog = panel->findReplace();
    dialog->show();
    EXPECT_TRUE(readableLayout(dialog));
    EXPECT_TRUE(fitsScreen(dialog));
}

} // namespace
