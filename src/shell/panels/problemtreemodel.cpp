#include "problemtreemodel.h"

#include "checks/problemlist.h"
#include "model/counted.h"
#include "model/drvmenus.h"
#include "modeltext/modeltext.h"
#include "readonlyitem.h"
#include "views/keyednames.h"

namespace {

// Kept on a problem's first cell: its position in the list.
constexpr int kProblemRole = Qt::UserRole;

const kpd::DrvMenu* menuOf(const kpd::DrvMenus* menus, const std::string& key)
{
    return menus ? menus->find(key) : nullptr;
}

} // namespace

ProblemTreeModel::ProblemTreeModel(QObject* parent) : QStandardItemModel(0, 4, parent)
{
    setHorizontalHeaderLabels(
        {QStringLiteral("Kind"), QStringLiteral("Place"), QStringLiteral("Problem"), QStringLiteral("Suggestion")});
}

std::string ProblemTreeModel::placeOf(const kpd::Problem& problem, const kpd::DrvMenus* menus)
{
    // The menu's name is left to its row: on every line it would push the mode and field
    // out of sight.
    std::string place = problem.menuKey + ' ' + KeyedNames::parameter(problem.paraKey, menuOf(menus, problem.menuKey));
    for (const std::string& part : {problem.modeKey, std::string(kpd::fieldName(problem.field))})
        if (!part.empty()) place += ", " + part;
    return place;
}

void ProblemTreeModel::fill(const kpd::ProblemList& list, const std::set<kpd::ProblemKind>& kinds,
                            const kpd::DrvMenus* menus)
{
    setRowCount(0);
    QStandardItem* menuRow = nullptr;
    std::string menuKey;
    int inMenu = 0;
    const auto closeMenu = [&] {
        if (menuRow) menuRow->setText(menuRow->text() + QStringLiteral(" (%1)").arg(inMenu));
    };
    const std::vector<kpd::Problem>& problems = list.problems();
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const kpd::Problem& p = problems[i];
        if (!kinds.count(p.kind)) continue;
        if (!menuRow || menuKey != p.menuKey) {
            closeMenu();
            inMenu = 0;
            menuKey = p.menuKey;
            menuRow = readOnlyItem(toQt(KeyedNames::menu(p.menuKey, menuOf(menus, p.menuKey))));
            appendRow(menuRow);
        }
        ++inMenu;
        QStandardItem* kind = readOnlyItem(QString::fromLatin1(kpd::kindName(p.kind)));
        kind->setData(static_cast<qulonglong>(i), kProblemRole);
        const QString saving = QStringLiteral(" (saves ") + toQt(kpd::counted(p.bytes, "byte")) + QLatin1Char(')');
        menuRow->appendRow(
            {kind, readOnlyItem(toQt(placeOf(p, menus))),
             readOnlyItem(toQt(p.message) + (p.bytes > 0 ? saving : QString())),
             readOnlyItem(p.suggestion ? QLatin1Char('"') + toQt(*p.suggestion) + QLatin1Char('"') : QString())});
    }
    closeMenu();
}

std::optional<std::size_t> ProblemTreeModel::problemAt(const QModelIndex& index) const
{
    if (!index.isValid() || !index.parent().isValid()) return std::nullopt;
    return static_cast<std::size_t>(index.siblingAtColumn(0).data(kProblemRole).toULongLong());
}

QModelIndex ProblemTreeModel::indexOf(std::size_t problem) const
{
    for (int m = 0; m < rowCount(); ++m) {
        const QModelIndex menu = index(m, 0);
        for (int r = 0; r < rowCount(menu); ++r) {
            const QModelIndex row = index(r, 0, menu);
            if (row.data(kProblemRole).toULongLong() == problem) return row;
        }
    }
    return {};
}
