#include "recordinguserinterface.h"
#include "smalldrive.h"

#include "model/theapp.h"
#include "views/menugridmodel.h"
#include "views/menuview.h"
#include "views/menuwindows.h"

#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using kpd::test::RecordingUserInterface;

namespace {

class MenuViewTest : public ::testing::Test {
protected:
    void SetUp() override { kpd::test::buildSmallDrive(app); }

    kpd::ModeData& record(const char* set, const char* menu, const char* para, const char* mode)
    {
        return app.stringDatas().Item(set).DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    void show(MenuView& view, const char* menu)
    {
        view.setRefMenu(app.getRefMenus().Item(menu));
        view.setCustMenu(app.getCustMenus().Item(menu));
        view.setCustMenuCol(app.getCustMenus());
        view.fillGrid();
    }

    RecordingUserInterface ui;
    kpd::TheApp app{ui, "/nowhere"};
};

} // namespace

TEST_F(MenuViewTest, StartsWithCustomRowsOnly)
{
    MenuView view(ui, "m1");
    show(view, "m1");
    EXPECT_EQ(view.displayMode(), 2);
    EXPECT_EQ(view.grid()->rowCount(), 3);
    EXPECT_EQ(view.grid()->columnCount(), 3);
    EXPECT_TRUE(view.panelInset(false));
    EXPECT_FALSE(view.panelInset(true));
    EXPECT_EQ(view.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Closed loop"));
    EXPECT_EQ(view.grid()->verticalHeaderItem(0)->text(), QStringLiteral("Parameter p1\n(custom)"));
    EXPECT_EQ(view.rowKeys(), (std::vector<std::string>{"p1", "p2", "p3", ""}));
    EXPECT_EQ(view.columnKeys(), (std::vector<std::string>{"Open loop", "Closed loop", "Servo", ""}));
}

TEST_F(MenuViewTest, BothSetsGiveTwoRowsPerParameterReferenceFirst)
{
    kpd::DrvMenu& ref = app.getRefMenus().Item("m1");
    for (int i = 4; i <= 10; ++i) {
        const std::string key = "p" + std::to_string(i);
        for (const char* set : {"English", "Custom"}) {
            kpd::DrvMenu& menu = app.stringDatas().Item(set).DrvMenus().Item("m1");
            menu.Parameters().Add(key);
            menu.buildModes(key);
        }
    }
    ASSERT_EQ(ref.Parameters().Count(), 10);
    record("English", "m1", "p1", "Servo").setDesc("Ref text");
    record("Custom", "m1", "p1", "Servo").setDesc("Cust text");

    MenuView view(ui, "m1");
    show(view, "m1");
    view.togglePanel(true);
    EXPECT_EQ(view.displayMode(), 3);
    EXPECT_EQ(view.grid()->rowCount(), 20);
    EXPECT_EQ(view.grid()->item(0, 2)->text(), QStringLiteral("Ref text"));
    EXPECT_EQ(view.grid()->item(0, 2)->background().color(), QColor(255, 255, 255));
    EXPECT_EQ(view.grid()->item(0, 2)->foreground().color(), QColor(0, 0, 0));
    EXPECT_EQ(view.grid()->item(1, 2)->text(), QStringLiteral("Cust text"));
    EXPECT_EQ(view.grid()->item(1, 2)->background().color(), QColor(255, 255, 0));
    EXPECT_EQ(view.grid()->item(1, 2)->foreground().color(), QColor(0, 0, 255));
    EXPECT_TRUE(view.grid()->verticalHeaderItem(2)->text().endsWith(QStringLiteral("(reference)")));
}

TEST_F(MenuViewTest, HidingTheOnlyVisibleSetShowsTheOtherOne)
{
    EXPECT_EQ(MenuGridModel::toggle(2, false), 1);
    EXPECT_EQ(MenuGridModel::toggle(1, true), 2);
    EXPECT_EQ(MenuGridModel::toggle(2, true), 3);
    EXPECT_EQ(MenuGridModel::toggle(3, true), 2);
    EXPECT_EQ(MenuGridModel::toggle(3, false), 1);

    MenuView view(ui, "m1");
    show(view, "m1");
    view.togglePanel(false);
    EXPECT_EQ(view.displayMode(), 1);
    EXPECT_TRUE(view.panelInset(true));
    EXPECT_FALSE(view.panelInset(false));
}

TEST_F(MenuViewTest, UndefinedModesShowRedWhateverTheyHold)
{
    kpd::ModeData& mode = record("Custom", "m1", "p2", "Closed loop");
    mode.setDesc("still here");
    mode.setDefined(false);
    MenuView view(ui, "m1");
    show(view, "m1");
    QTableWidgetItem* cell = view.grid()->item(1, 1);
    EXPECT_EQ(cell->text(), QStringLiteral("Not defined in this mode"));
    EXPECT_EQ(cell->foreground().color(), QColor(255, 0, 0));
}

TEST_F(MenuViewTest, DescriptionsAreTrimmedAndShownReadable)
{
    record("Custom", "m1", "p1", "Open loop").setDesc("  Motor~Mspeed~X41  ");
    MenuView view(ui, "m1");
    show(view, "m1");
    EXPECT_EQ(view.grid()->item(0, 0)->text(), QStringLiteral("Motor\nspeedA"));
}

// Descriptions of two full keypad lines: the grid must break them where the keypad does
// and then show each line whole, never wrapping it again at a space.
TEST_F(MenuViewTest, CellsShowTheKeypadsLinesWhole)
{
    record("Custom", "m1", "p1", "Open loop").setDesc("Reference selectselect option");
    record("Custom", "m1", "p1", "Closed loop").setDesc("WWWWWWWWWWWWWWWWmmmmmmmmmmmmmmmm");
    MenuView view(ui, "m1");
    show(view, "m1");
    view.resize(900, 400);
    view.show();
    QTableWidget* grid = view.grid();
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Reference select\nselect option"));
    for (int column : {0, 1}) {
        QStyleOptionViewItem option;
        option.initFrom(grid->viewport());
        option.rect = grid->visualRect(grid->model()->index(0, column));
        option.font = grid->font();
        option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::WrapText;
        option.text = grid->item(0, column)->text();
        const QRect room = grid->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, grid);
        for (const QString& line : option.text.split(QLatin1Char('\n')))
            EXPECT_LE(QFontMetrics(grid->font()).horizontalAdvance(line), room.width()) << line.toStdString();
        EXPECT_GE(room.height(), 2 * QFontMetrics(grid->font()).height());
    }
}

TEST_F(MenuViewTest, ShortParametersLeaveTheirLastCellsEmpty)
{
    for (const char* set : {"English", "Custom"}) {
        kpd::DrvMenu& menu = app.stringDatas().Item(set).DrvMenus().Item("m1");
        kpd::Parameter& p = *menu.Parameters().Add("p9");
        p.createModes({"Open loop"});
    }
    MenuView view(ui, "m1");
    show(view, "m1");
    EXPECT_NE(view.grid()->item(3, 0), nullptr);
    EXPECT_EQ(view.grid()->item(3, 1), nullptr);
    EXPECT_EQ(view.grid()->item(3, 2), nullptr);
}

TEST_F(MenuViewTest, TripsRowsAreLabelledAndKeyedByTrip)
{
    MenuView view(ui, "trips");
    show(view, "trips");
    EXPECT_EQ(view.rowKeys()[0], "t1");
    EXPECT_EQ(view.grid()->verticalHeaderItem(1)->text(), QStringLiteral("Trip t2\n(custom)"));
}

TEST_F(MenuViewTest, ALeftClickOpensTheEditorOnTheCellThenRefills)
{
    MenuView view(ui, "trips");
    show(view, "trips");
    std::vector<std::string> opened;
    view.setEditorOpener([&](MenuView&, const std::string& para, const std::string& mode) {
        opened = {para, mode};
        record("Custom", "m2", "p5", "Servo").setDesc("edited");
    });
    view.grid()->setCurrentCell(1, 2);
    view.gridReleased(Qt::LeftButton, QPoint());
    EXPECT_EQ(opened, (std::vector<std::string>{"t2", "Servo"}));
    EXPECT_EQ(view.grid()->item(1, 2)->text(), QStringLiteral("edited"));
}

TEST_F(MenuViewTest, ModelOperationsChangeTheCustomMenuOnly)
{
    record("English", "m1", "p1", "Servo").setDesc("reference");
    MenuView view(ui, "m1");
    show(view, "m1");
    view.copyR2C();
    EXPECT_EQ(record("Custom", "m1", "p1", "Servo").getDesc(), "reference");
    EXPECT_TRUE(app.getCustMenus().Item("m1").dirty());
    EXPECT_EQ(view.grid()->item(0, 2)->text(), QString()) << "the grid waits for its caller to refill";
    view.clear();
    EXPECT_EQ(record("Custom", "m1", "p1", "Servo").getDesc(), "");
    EXPECT_EQ(record("English", "m1", "p1", "Servo").getDesc(), "reference");
}

TEST_F(MenuViewTest, SaveMenuWritesTheCustomMenuAlone)
{
    record("Custom", "m1", "p2", "Servo").setDesc("Saved & sound");
    record("English", "m1", "p2", "Servo").setDesc("Reference only");
    MenuView view(ui, "m1");
    show(view, "m1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("menu1.kpd"));
    ASSERT_TRUE(view.saveMenu(path.toStdString()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("<Menu MenuID=\"m1\">")) << written.left(40).toStdString();
    EXPECT_TRUE(written.contains("Saved &amp; sound"));
    EXPECT_FALSE(written.contains("Reference only"));
    EXPECT_FALSE(view.saveMenu(dir.filePath(QStringLiteral("missing/menu1.kpd")).toStdString()));
}

TEST_F(MenuViewTest, FocusIsTrackedForTheMenuWindowList)
{
    std::vector<std::unique_ptr<MenuView>> views;
    kpd::menuWindows<MenuView> windows(ui, [&](const std::string& key) {
        views.push_back(std::make_unique<MenuView>(ui, key));
        return views.back().get();
    });
    MenuView* a = windows.Add("m1");
    MenuView* b = windows.Add("m2");
    auto focus = [](MenuView* view, QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(view->grid(), &event);
    };
    EXPECT_EQ(windows.getFormInFocus(), nullptr);
    focus(a, QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_TRUE(a->haveFocus());
    EXPECT_EQ(windows.getFormInFocus(), a);
    focus(a, QEvent::FocusOut, Qt::MenuBarFocusReason);
    EXPECT_EQ(windows.getFormInFocus(), a) << "opening the menu bar keeps the view in focus";
    focus(a, QEvent::FocusOut, Qt::MouseFocusReason);
    focus(b, QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_FALSE(a->haveFocus());
    EXPECT_EQ(windows.getFormInFocus(), b);
}
