#include "startededitor.h"

#include "checks/problem.h"
#include "checks/spellinglanguages.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "shell/backgroundanalysis.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/menuwindowarea.h"
#include "shell/panels/problemspanel.h"
#include "shell/panels/spellingmenu.h"
#include "views/menuview.h"
#include "views/parameditor.h"
#include "views/problemmarkdelegate.h"
#include "views/spellingsession.h"

#include "lcdtextboxhost/lcdtextboxhost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <optional>

namespace {

struct Place {
    std::string menuKey, paraKey, modeKey;
    bool operator==(const Place&) const = default;
};

class ProblemsPanelTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        StartedEditor<>::SetUp();
        window->show();
        window->setEditorRunner([this](ParamEditor& editor) {
            const ParamEditSession& s = editor.session();
            opened.push_back({s.menuKey(), s.paraKey(), s.modeKey()});
            if (whileOpen) whileOpen(editor);
        });
        custom("m1", "p1", "Open loop").setDesc("Custom ref  ");
        custom("m2", "p0", "Open loop").setDesc("Trip~A");
        window->windowArea().refreshMenuWindows();
        settle();
    }

    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }

    kpd::ModeData& custom(const std::string& menu, const std::string& para, const std::string& mode)
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    ProblemsPanel& panel() { return *window->problemsPanel(); }

    void settle()
    {
        // The dictionary loads on a thread of its own; the check after it includes spelling.
        SpellingSession::instance().checker(*window->document().app());
        SpellingSession::instance().waitUntilLoaded(5000);
        panel().analysis().runNow();
        ASSERT_TRUE(panel().analysis().waitUntilIdle(5000));
    }

    QModelIndex itemOf(kpd::ProblemKind kind)
    {
        const ProblemTreeModel& model = panel().model();
        for (int m = 0; m < model.rowCount(); ++m)
            for (int r = 0; r < model.rowCount(model.index(m, 0)); ++r) {
                const QModelIndex row = model.index(r, 0, model.index(m, 0));
                if (row.data().toString() == QString::fromLatin1(kpd::kindName(kind))) return row;
            }
        return {};
    }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
    std::vector<Place> opened;
    std::function<void(ParamEditor&)> whileOpen;
};

TEST_F(ProblemsPanelTest, ListsSeededProblemsAndOpensTheEditorOnThem)
{
    const QModelIndex trailing = itemOf(kpd::ProblemKind::TrailingSpace);
    ASSERT_TRUE(trailing.isValid());
    EXPECT_EQ(trailing.siblingAtColumn(1).data().toString(), QStringLiteral("m1 p1 Reference, Open loop, description"));
    EXPECT_EQ(panel().model().rowCount(), 2) << "one group per menu";
    EXPECT_EQ(panel().model().index(0, 0).data().toString(), QStringLiteral("m1 Speed (1)"));
    EXPECT_TRUE(panel().summary()->text().contains(QStringLiteral("1 no-glyph")));

    emit panel().tree()->doubleClicked(trailing);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (Place{"m1", "p1", "Open loop"}));

    QAction* next = window->menus().driveNextProblem;
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->shortcut(), QKeySequence(Qt::Key_F8));
    // From the selected problem to the next place; inside the editor, on to the one after.
    std::optional<Place> afterF8;
    whileOpen = [&](ParamEditor& editor) {
        editor.show();
        editor.activateWindow();
        QApplication::processEvents();
        QTest::keyClick(&editor, Qt::Key_F8);
        afterF8 = Place{editor.session().menuKey(), editor.session().paraKey(), editor.session().modeKey()};
    };
    panel().tree()->setCurrentIndex(trailing);
    next->trigger();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], (Place{"m2", "p0", "Open loop"}));
    ASSERT_TRUE(afterF8);
    EXPECT_EQ(*afterF8, (Place{"m1", "p1", "Open loop"}));
}

TEST_F(ProblemsPanelTest, AQuickFixClearsTheProblemMarksTheMenuUnsavedAndTheEditorUndoesIt)
{
    window->document().app()->setAppClean();
    panel().tree()->setCurrentIndex(itemOf(kpd::ProblemKind::TrailingSpace));
    panel().fixSelected();
    EXPECT_EQ(custom("m1", "p1", "Open loop").getDesc(), "Custom ref");
    EXPECT_TRUE(window->document().app()->getCustMenus().Item("m1").dirty());
    EXPECT_FALSE(window->document().app()->getCustMenus().Item("m2").dirty());
    settle();
    EXPECT_FALSE(itemOf(kpd::ProblemKind::TrailingSpace).isValid());
    EXPECT_EQ(panel().summary()->text(), QStringLiteral("1 problem: 1 no-glyph"));

    whileOpen = [](ParamEditor& editor) {
        editor.show();
        editor.activateWindow();
        editor.box(ParamEditSession::Box::CustDesc).widget()->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        editor.undo();
        editor.ok();
    };
    window->openParamEditor("m1", "p1", "Open loop", false);
    EXPECT_EQ(custom("m1", "p1", "Open loop").getDesc(), "Custom ref  ");
    settle();
    EXPECT_TRUE(itemOf(kpd::ProblemKind::TrailingSpace).isValid());
}

TEST_F(ProblemsPanelTest, InsideTheEditorTheListFollowsEveryCommit)
{
    std::vector<Place> afterF8;
    bool listedWhileOpen = true;
    whileOpen = [&](ParamEditor& editor) {
        editor.show();
        editor.activateWindow();
        QApplication::processEvents();
        for (const char* fixed : {"Custom ref", "Trip"}) {
            editor.box(ParamEditSession::Box::CustDesc).setText(QString::fromLatin1(fixed));
            QTest::keyClick(&editor, Qt::Key_F8);
            afterF8.push_back({editor.session().menuKey(), editor.session().paraKey(), editor.session().modeKey()});
        }
        settle();
        listedWhileOpen = !panel().list().problems().empty();
    };
    emit panel().tree()->doubleClicked(itemOf(kpd::ProblemKind::TrailingSpace));
    // With both texts fixed, the second F8 has nowhere left to go.
    EXPECT_EQ(afterF8, (std::vector<Place>{{"m2", "p0", "Open loop"}, {"m2", "p0", "Open loop"}}));
    EXPECT_FALSE(listedWhileOpen) << "the panel caught up while the editor was open";
}

TEST_F(ProblemsPanelTest, GridCellsWithProblemsCarryAMarkAndATip)
{
    window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QStringLiteral("m1")}));
    MenuView& view = *window->menuWindows().begin();
    const int column = static_cast<int>(std::find(view.columnKeys().begin(), view.columnKeys().end(), "Open loop") -
                                        view.columnKeys().begin());
    QTableWidgetItem* cell = view.grid()->item(0, column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->toolTip(), QStringLiteral("trailing-space (description): 2 trailing spaces at line ends"));
    EXPECT_EQ(cell->data(ProblemMarkDelegate::ProblemRole).toString(), cell->toolTip());
    EXPECT_TRUE(view.grid()->item(0, column + 1)->toolTip().isEmpty());

    custom("m1", "p1", "Open loop").setDesc("Custom ref");
    window->windowArea().refreshMenuWindows();
    settle();
    EXPECT_TRUE(view.grid()->item(0, column)->toolTip().isEmpty()) << "marks follow the delivered list";
}

TEST_F(ProblemsPanelTest, FixingAllGlyphsListsThemAndAsksFirst)
{
    custom("m1", "p2", "Open loop").setHelp("x\xD8");
    window->windowArea().refreshMenuWindows();
    settle();
    ui.answers.push_back(kpd::MessageAnswer::No);
    panel().fixAllOfKind(kpd::ProblemKind::NoGlyph);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().title, "Replace characters");
    EXPECT_NE(ui.messages.back().text.find(
                  "m1 p2 Maximum, Open loop, help: \"\xD8\" (0xD8) shows as the Greek capital letter Phi "
                  "at character 2 -> \"O\""),
              std::string::npos)
        << ui.messages.back().text;
    EXPECT_EQ(custom("m1", "p2", "Open loop").getHelp(), "x\xD8");
    ui.answers.push_back(kpd::MessageAnswer::Yes);
    panel().fixAllOfKind(kpd::ProblemKind::NoGlyph);
    EXPECT_EQ(custom("m1", "p2", "Open loop").getHelp(), "xO");
    EXPECT_EQ(custom("m2", "p0", "Open loop").getDesc(), "Trip~A") << "no suggestion, nothing replaced";
}

TEST_F(ProblemsPanelTest, SpellingIsListedWithCorrectionsAWordListAndIgnore)
{
    custom("m1", "p2", "Open loop").setDesc("Motor speeed");
    custom("m1", "p1", "Open loop").setDesc("Zorglex gain");
    panel().request();
    settle();
    const auto spelling = [this](const QString& word) {
        const ProblemTreeModel& model = panel().model();
        for (int m = 0; m < model.rowCount(); ++m)
            for (int r = 0; r < model.rowCount(model.index(m, 0)); ++r) {
                const QModelIndex row = model.index(r, 0, model.index(m, 0));
                if (row.siblingAtColumn(2).data().toString().contains(word)) return row;
            }
        return QModelIndex();
    };
    if (!spelling(QStringLiteral("speeed")).isValid()) GTEST_SKIP() << "no English dictionary is installed";

    kpd::TheApp& app = *window->document().app();
    panel().tree()->setCurrentIndex(spelling(QStringLiteral("speeed")));
    QMenu menu;
    SpellingMenu::addItems(menu, *panel().selected(), app, [](const kpd::Problem&) {});
    QStringList items;
    for (QAction* action : menu.actions()) items << action->text();
    EXPECT_TRUE(items.contains(QStringLiteral("Change to \"Motor speed\""))) << items.join('|').toStdString();
    EXPECT_EQ(items.mid(items.size() - 2), QStringList({"Add to word list", "Ignore"}));
    panel().fixSelected();
    EXPECT_TRUE(menu.actions().first()->text().contains(toQt(custom("m1", "p2", "Open loop").getDesc())));

    panel().tree()->setCurrentIndex(spelling(QStringLiteral("Zorglex")));
    SpellingMenu::addItems(menu, *panel().selected(), app, [](const kpd::Problem&) {});
    menu.actions().at(menu.actions().size() - 2)->trigger();
    settle();
    EXPECT_FALSE(spelling(QStringLiteral("speeed")).isValid());
    EXPECT_FALSE(spelling(QStringLiteral("Zorglex")).isValid());
    QFile list(QDir(toQt(app.appFolder())).filePath(QStringLiteral("wordlist.dic")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().endsWith("Zorglex\n"));
}

// A language without a dictionary is said once for the set, never as a problem per word.
TEST_F(ProblemsPanelTest, ACustomSetWithoutADictionaryIsSaidOnceInTheSummary)
{
    const kpd::TheApp& app = *window->document().app();
    kpd::SpellingLanguages languages;
    languages.choose(app.getCustKey(), "xx_XX");
    languages.write(app.appFolder());
    SpellingSession::instance().reload();
    custom("m1", "p2", "Open loop").setDesc("Motor speeed");
    settle();
    EXPECT_FALSE(itemOf(kpd::ProblemKind::Spelling).isValid());
    EXPECT_EQ(panel().summary()->text().count(QStringLiteral("xx_XX")), 1) << panel().summary()->text().toStdString();
    std::filesystem::remove(app.appFolder() + "/" + kpd::SpellingLanguages::kFileName);
    SpellingSession::instance().reload();
}

} // namespace
