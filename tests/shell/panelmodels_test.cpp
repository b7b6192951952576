#include "recordinguserinterface.h"
#include "smalldrive.h"

#include "checks/checkinput.h"
#include "checks/problemlist.h"
#include "model/theapp.h"
#include "shell/panels/differencetreemodel.h"
#include "shell/panels/problemtreemodel.h"

#include <gtest/gtest.h>

namespace {

class PanelModels : public testing::Test {
protected:
    void SetUp() override { kpd::test::buildSmallDrive(app); }

    kpd::DrvMenus& menus() { return app.getCustMenus(); }

    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app{ui, "."};
};

kpd::Problem problem(kpd::ProblemKind kind, const std::string& menu, const std::string& para)
{
    kpd::Problem found;
    found.kind = kind;
    found.menuKey = menu;
    found.paraKey = para;
    found.modeKey = "Open loop";
    found.message = "message";
    return found;
}

kpd::Difference difference(const std::string& menu, const std::string& para, kpd::Change change)
{
    kpd::ModeRecord ours;
    ours.menuKey = menu;
    ours.menuName = "Their " + menu;
    ours.paraKey = para;
    ours.paraName = "Their " + para;
    ours.modeKey = "Open loop";
    return {kpd::Field::Description, change, ours, ours, std::nullopt};
}

QString text(const QAbstractItemModel& model, std::initializer_list<int> path, int column = 0)
{
    QModelIndex index;
    for (int row : path) index = model.index(row, 0, index);
    return index.siblingAtColumn(column).data().toString();
}

TEST_F(PanelModels, ProblemsGroupByMenuKeepOnlyTheShownKindsAndNameEveryPlace)
{
    const kpd::ProblemList list(kpd::CheckInput::fromApp(app), {problem(kpd::ProblemKind::TrailingSpace, "m1", "p1"),
                                                                problem(kpd::ProblemKind::NoGlyph, "m1", "p2"),
                                                                problem(kpd::ProblemKind::TrailingSpace, "m2", "p0")});
    ProblemTreeModel model;
    model.fill(list, {kpd::ProblemKind::TrailingSpace}, &menus());
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(text(model, {0}), "m1 Menu m1 (1)");
    EXPECT_EQ(text(model, {0, 0}, 1), "m1 p1 Parameter p1, Open loop, description");
    EXPECT_EQ(model.problemAt(model.index(0, 0, model.index(1, 0)).siblingAtColumn(2)), 2u);
    EXPECT_FALSE(model.problemAt(model.index(0, 0)).has_value()) << "a menu's row is no problem";
    EXPECT_FALSE(model.indexOf(1).isValid()) << "filtered out";
    EXPECT_EQ(model.indexOf(2), model.index(0, 0, model.index(1, 0)));

    model.fill(list, {kpd::ProblemKind::TrailingSpace, kpd::ProblemKind::NoGlyph}, nullptr);
    EXPECT_EQ(text(model, {0}), "m1 (2)");
    EXPECT_EQ(text(model, {0, 1}, 1), "m1 p2, Open loop, description") << "without a set, keys alone";
}

TEST_F(PanelModels, DifferencesCountEveryBranchAndABranchGivesAllItsDifferences)
{
    menus().Item("m1").setDirty(true);
    const std::vector<kpd::Difference> differences{
        difference("m1", "p1", kpd::Change::Conflict), difference("m1", "p2", kpd::Change::OnlyTheirs),
        difference("m2", "p0", kpd::Change::OnlyOurs), difference("m9", "p4", kpd::Change::OnlyTheirs)};
    DifferenceTreeModel model;
    model.fill(
        differences, [](const kpd::Difference& d) { return d.menuKey() != "m2"; }, menus());
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(text(model, {0}), "m1 Menu m1 *");
    EXPECT_EQ(text(model, {0}, 1), "2 (1 conflict)");
    EXPECT_EQ(text(model, {0, 1}), "p2 Parameter p2");
    EXPECT_EQ(text(model, {0, 0, 0, 0}, 1), "conflict");
    EXPECT_EQ(text(model, {1, 0}), "p4 Their p4") << "a menu we lack keeps the other file's names";
    EXPECT_EQ(model.differencesUnder(model.index(0, 1)), (std::vector<std::size_t>{0, 1}));
    EXPECT_FALSE(model.differenceAt(model.index(0, 0)).has_value());
    const QModelIndex field = model.index(0, 1, model.index(0, 0, model.index(0, 0, model.index(1, 0))));
    EXPECT_EQ(model.differenceAt(field), 3u);
}

} // namespace
