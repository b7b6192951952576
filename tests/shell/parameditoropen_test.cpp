#include "recordinguserinterface.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "startededitor.h"

#include "model/theapp.h"
#include "views/menuview.h"
#include "views/parameditor.h"
#include "views/parammimic.h"
#include "views/parampanel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <optional>

using kpd::test::RecordingUserInterface;

namespace {

// What the editor was opened on, read while it was showing.
struct Opened {
    std::string menuKey;
    std::string paraKey;
    std::string modeKey;
    bool tripMode = false;
    bool modal = false;
};

class ParamEditorOpenTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        // The editor's keypad text boxes must never reach the user's component registry.
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        StartedEditor<>::SetUp();
        window->show();
        window->setEditorRunner([this](ParamEditor& editor) {
            const ParamEditSession& s = editor.session();
            opened = Opened{s.menuKey(), s.paraKey(), s.modeKey(), s.tripMode(), editor.isModal()};
            if (whileOpen) whileOpen(editor);
        });
    }

    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }

    void select(MenuTree::Node::Kind kind, const QString& key)
    {
        QTreeWidgetItem* node = window->findNode({kind, key});
        ASSERT_NE(node, nullptr) << key.toStdString();
        window->selectNode(node);
    }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
    std::optional<Opened> opened;
    std::function<void(ParamEditor&)> whileOpen;
};

} // namespace

TEST_F(ParamEditorOpenTest, AParameterNodeOpensItsFirstMode)
{
    select(MenuTree::Node::Kind::Parameter, QStringLiteral("p2"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->menuKey, "m1");
    EXPECT_EQ(opened->paraKey, "p2");
    EXPECT_EQ(opened->modeKey, "Open loop");
    EXPECT_FALSE(opened->tripMode);
    EXPECT_TRUE(opened->modal);
}

TEST_F(ParamEditorOpenTest, AModeNodeOpensThatMode)
{
    select(MenuTree::Node::Kind::Mode, QStringLiteral("Closed loop"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->menuKey, "m1");
    EXPECT_EQ(opened->paraKey, "p1");
    EXPECT_EQ(opened->modeKey, "Closed loop");
}

TEST_F(ParamEditorOpenTest, ATripNodeOpensTheEditorInTripMode)
{
    select(MenuTree::Node::Kind::Parameter, QStringLiteral("t1"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->menuKey, "trips");
    EXPECT_EQ(opened->paraKey, "t1");
    EXPECT_TRUE(opened->tripMode);
}

TEST_F(ParamEditorOpenTest, MenuAndRootNodesOpenNoEditor)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    EXPECT_FALSE(opened);
}

TEST_F(ParamEditorOpenTest, AGridClickOpensTheEditorAndShowsWhatItCommitted)
{
    select(MenuTree::Node::Kind::Menu, QStringLiteral("m1"));
    MenuView* view = &window->menuWindows().Item("m1");
    view->grid()->setCurrentCell(1, 0);
    whileOpen = [](ParamEditor& editor) {
        editor.session().readBack(ParamEditSession::Box::CustDesc, "Edited");
        editor.session().markChanged(ParamEditSession::Box::CustDesc);
        editor.ok();
    };
    view->gridReleased(Qt::LeftButton, QPoint());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->paraKey, "p2");
    EXPECT_EQ(opened->modeKey, "Open loop");
    EXPECT_EQ(
        window->document().app()->getCustMenus().Item("m1").Parameters().Item("p2").modes().Item("Open loop").getDesc(),
        "Edited");
    EXPECT_EQ(view->grid()->item(1, 0)->text(), "Edited");
}

TEST_F(ParamEditorOpenTest, AParameterTheReferenceLacksOpensNoEditor)
{
    ASSERT_NE(window->findNode({MenuTree::Node::Kind::Parameter, QStringLiteral("p2")}), nullptr)
        << "the branch is made before the removal";
    window->document().app()->getRefMenus().Item("m1").Parameters().Remove("p2");
    const std::size_t before = ui.messages.size();
    select(MenuTree::Node::Kind::Parameter, QStringLiteral("p2"));
    EXPECT_FALSE(opened);
    ASSERT_EQ(ui.messages.size(), before + 1);
    EXPECT_EQ(ui.messages.back().title, "ERROR");
}

TEST_F(ParamEditorOpenTest, TheMimicShowsTheShippedIconOfEachUnit)
{
    const QDir shipped(QStringLiteral(KPD_SOURCE_DIR "/data"));
    const QString names[] = {QStringLiteral("noicon.bmp"), QStringLiteral("pcicon.bmp"), QStringLiteral("ampicon.bmp"),
                             QStringLiteral("rpmicon.bmp"), QStringLiteral("hzicon.bmp")};
    for (const QString& name : names)
        ASSERT_TRUE(QFile::copy(shipped.filePath(name), folder.file(name))) << name.toStdString();
    const auto shows = [&](ParamEditor& editor, int unit) {
        const QImage expected = QImage(folder.file(names[unit])).convertToFormat(QImage::Format_RGB32);
        const QImage shown = editor.mimic().icon()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        return !expected.isNull() && shown == expected;
    };
    std::vector<int> shown;
    whileOpen = [&](ParamEditor& editor) {
        // Hz is the unit of m1.p1 in Open loop; each indicator then, and the last one clicked off.
        if (shows(editor, 4)) shown.push_back(4);
        for (int unit = 1; unit <= 4; ++unit) {
            editor.panel(ParamEditSession::Panel::Cust).indicator(unit)->click();
            if (shows(editor, unit)) shown.push_back(unit);
        }
        editor.panel(ParamEditSession::Panel::Cust).indicator(4)->click();
        if (shows(editor, 0)) shown.push_back(0);
    };
    select(MenuTree::Node::Kind::Parameter, QStringLiteral("p1"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(shown, (std::vector<int>{4, 1, 2, 3, 4, 0}));
}
