#include "startededitor.h"

#include "shell/backgroundanalysis.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "shell/panels/budgetmeter.h"
#include "shell/panels/sizereportwindow.h"

#include "build/compress.h"
#include "model/theapp.h"
#include "views/menuview.h"
#include "views/parameditor.h"

#include "build/stringcostestimator.h"
#include "lcdtextboxhost/lcdtextboxhost.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

class BudgetTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        // The editor's keypad text boxes must never reach the user's component registry.
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        StartedEditor<>::SetUp();
        window->setEditorRunner([this](ParamEditor& editor) {
            opened = std::make_pair(editor.session().menuKey(), editor.session().paraKey());
            if (whileOpen) whileOpen(editor);
        });
    }

    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }

    BudgetMeter& meter() { return *window->budgetMeter(); }

    bool settle() { return meter().analysis().waitUntilIdle(10000) && meter().analysis().isCurrent(); }

    std::int32_t builtBytes()
    {
        kpd::Compress compress;
        compress.setData(*window->document().app(), 0);
        compress.compress();
        return compress.getTotalBytes();
    }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
    std::optional<std::pair<std::string, std::string>> opened;
    std::function<void(ParamEditor&)> whileOpen;
};

} // namespace

TEST_F(BudgetTest, TheMeterShowsTheBuiltSizeAtStartAndTheChangeAfterACommit)
{
    ASSERT_TRUE(settle());
    const std::int32_t before = builtBytes();
    EXPECT_EQ(meter().figureText(), BudgetMeter::grouped(before) + " bytes used of 131,072 (" +
                                        QString::number(100.0 * before / 131072, 'f', 1) + " %)");
    EXPECT_FALSE(meter().changeVisible());

    bool staleAfterCommit = false;
    whileOpen = [&](ParamEditor& editor) {
        editor.session().readBack(ParamEditSession::Box::CustDesc, "A new and longer text");
        editor.session().markChanged(ParamEditSession::Box::CustDesc);
        editor.commit();
        // Still inside the modal editor: the commit alone made the figure out of date.
        staleAfterCommit = !meter().analysis().isCurrent();
        ASSERT_TRUE(settle());
        EXPECT_TRUE(editor.costLabel()->text().startsWith("Description: "));
    };
    window->openParamEditor("m1", "p1", "Open loop", false);
    EXPECT_TRUE(staleAfterCommit);
    ASSERT_TRUE(settle());

    const std::int32_t after = builtBytes();
    ASSERT_NE(after, before);
    EXPECT_TRUE(meter().figureText().startsWith(BudgetMeter::grouped(after) + " bytes used"));
    EXPECT_TRUE(meter().changeVisible());
    EXPECT_EQ(meter().changeText(), (after > before ? "+" : "") + QString::number(after - before) + " B");
}

TEST_F(BudgetTest, TheCostLabelShowsTheFiguresOfTheTextNowInTheBox)
{
    ASSERT_TRUE(settle());
    window->document()
        .app()
        ->getCustMenus()
        .Item("m1")
        .Parameters()
        .Item("p1")
        .modes()
        .Item("Closed loop")
        .setDesc("A much longer description");
    whileOpen = [&](ParamEditor& editor) {
        const auto figures = [&](const std::string& text) {
            const auto estimate = meter().estimator()->estimate(
                text, false, editor.session().unit(ParamEditSession::Panel::Cust), "m1", "p1");
            return QStringLiteral("Description: %1 B").arg(estimate.bytes);
        };
        editor.show();
        editor.activateWindow();
        editor.box(ParamEditSession::Box::CustDesc).widget()->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        editor.box(ParamEditSession::Box::CustDesc).setText(QStringLiteral("Typed"));
        EXPECT_TRUE(editor.costLabel()->text().startsWith(figures("Typed")));
        editor.undo();
        EXPECT_TRUE(editor.costLabel()->text().startsWith(figures("Custom ref"))) << "after Undo";
        editor.selectMode(1);
        EXPECT_TRUE(editor.costLabel()->text().startsWith(figures("A much longer description")))
            << "after a mode switch: " << editor.costLabel()->text().toStdString();
    };
    window->openParamEditor("m1", "p1", "Open loop", false);
}

TEST_F(BudgetTest, ReportRowsOpenTheParameterEditorOrTheMenuGrid)
{
    ASSERT_TRUE(settle());
    SizeReportWindow* report = window->sizeReport();
    QTableWidget* params = report->table(SizeReportWindow::Parameters);
    ASSERT_GT(params->rowCount(), 0);
    const int last = params->rowCount() - 1;
    const std::string menuKey = params->item(last, 0)->data(SizeReportWindow::MenuKeyRole).toString().toStdString();
    const std::string paraKey = params->item(last, 0)->data(SizeReportWindow::ParaKeyRole).toString().toStdString();
    emit params->cellDoubleClicked(last, 2);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->first, menuKey);
    EXPECT_EQ(opened->second, paraKey);

    QTableWidget* menus = report->table(SizeReportWindow::Menus);
    ASSERT_GT(menus->rowCount(), 0);
    const std::string menu = menus->item(0, 0)->data(SizeReportWindow::MenuKeyRole).toString().toStdString();
    emit menus->cellDoubleClicked(0, 1);
    EXPECT_TRUE(window->menuWindows().contains(menu));

    // The filter keeps the rows that name what is typed.
    report->filter()->setText(QString::fromStdString(menu));
    for (int row = 0; row < menus->rowCount(); ++row)
        EXPECT_EQ(menus->isRowHidden(row), !menus->item(row, 0)->text().contains(QString::fromStdString(menu)));
}

TEST_F(BudgetTest, ComparingWithAnotherFileListsTheLargestChangeFirst)
{
    ASSERT_TRUE(settle());
    folder.write(QStringLiteral("older.kpd"), folder.customDocument(QStringLiteral("A description longer than any")));
    SizeReportWindow* report = window->sizeReport();
    report->compareWith(folder.file(QStringLiteral("older.kpd")));
    ASSERT_TRUE(report->tabs()->isTabEnabled(SizeReportWindow::Changes));
    QTableWidget* changes = report->table(SizeReportWindow::Changes);
    ASSERT_GT(changes->rowCount(), 1);
    const auto size = [&](int row) { return std::llabs(changes->item(row, 4)->data(Qt::DisplayRole).toLongLong()); };
    EXPECT_GT(size(0), 0);
    for (int row = 1; row < changes->rowCount(); ++row) EXPECT_GE(size(row - 1), size(row)) << row;
}
